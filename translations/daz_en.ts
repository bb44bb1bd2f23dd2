<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>FileErrorText</name>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>not enough disk space</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>文件已经存在</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>路径中的某一项不是文件夹</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>文件夹不是空的</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>文件正在被使用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>读写设备出错</source>
        <translation>input/output error on the device</translation>
    </message>
    <message>
        <source>符号链接的层数太多</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>它不是普通文件</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>文件太大（%1 KB，最多 %2 KB）</source>
        <translation>the file is too large (%1 KB, at most %2 KB)</translation>
    </message>
    <message>
        <source>文件太大（最多 %1 KB）</source>
        <translation>the file is too large (at most %1 KB)</translation>
    </message>
    <message>
        <source>它经由符号链接或“..”通向游戏文件夹以外的地方，游戏不读写那里的文件</source>
        <translation>it leads outside the game&apos;s folder through a symbolic link or “..”, and the game does not read or write files there</translation>
    </message>
    <message>
        <source>它是一个符号链接，游戏不经由链接读写文件</source>
        <translation>it is a symbolic link, and the game does not read or write files through links</translation>
    </message>
    <message>
        <source>它是一个符号链接，游戏不通过链接写入文件</source>
        <translation>it is a symbolic link, and the game does not write files through links</translation>
    </message>
    <message>
        <source>文件是只读的</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>文件夹已经存在</source>
        <translation>the folder already exists</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>Cannot read the file “%1”: %2</translation>
    </message>
    <message>
        <source>无法写入文件“%1”：%2</source>
        <translation>Cannot write the file “%1”: %2</translation>
    </message>
    <message>
        <source>无法创建临时文件以写入“%1”：%2</source>
        <translation>Cannot create a temporary file to write “%1”: %2</translation>
    </message>
    <message>
        <source>无法替换文件“%1”：%2</source>
        <translation>Cannot replace the file “%1”: %2</translation>
    </message>
    <message>
        <source>无法创建文件夹“%1”：%2</source>
        <translation>Cannot create the folder “%1”: %2</translation>
    </message>
    <message>
        <source>无法删除文件“%1”：%2</source>
        <translation>Cannot delete the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>１．小星星</source>
        <translation>1. Little Star</translation>
    </message>
    <message>
        <source>２．摩羯座</source>
        <translation>2. Capricorn</translation>
    </message>
    <message>
        <source>３．水瓶座</source>
        <translation>3. Aquarius</translation>
    </message>
    <message>
        <source>４．双鱼座</source>
        <translation>4. Pisces</translation>
    </message>
    <message>
        <source>５．白羊座</source>
        <translation>5. Aries</translation>
    </message>
    <message>
        <source>６．金牛座</source>
        <translation>6. Taurus</translation>
    </message>
    <message>
        <source>７．双子座</source>
        <translation>7. Gemini</translation>
    </message>
    <message>
        <source>８．巨蟹座</source>
        <translation>8. Cancer</translation>
    </message>
    <message>
        <source>９．狮子座</source>
        <translation>9. Leo</translation>
    </message>
    <message>
        <source>１０．处女座</source>
        <translation>10. Virgo</translation>
    </message>
    <message>
        <source>１１．天秤座</source>
        <translation>11. Libra</translation>
    </message>
    <message>
        <source>１２．天蝎座</source>
        <translation>12. Scorpio</translation>
    </message>
    <message>
        <source>１３．射手座</source>
        <translation>13. Sagittarius</translation>
    </message>
    <message>
        <source>１４．对对星座</source>
        <translation>14. Pair Stars</translation>
    </message>
    <message>
        <source>１５．月亮座</source>
        <translation>15. Moon</translation>
    </message>
    <message>
        <source>１６．太阳座</source>
        <translation>16. Sun</translation>
    </message>
    <message>
        <source>１７．火眼金睛</source>
        <translation>17. Fiery Eyes</translation>
    </message>
    <message>
        <source>１８．神眼</source>
        <translation>18. Divine Eye</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Easy Mode</translation>
    </message>
    <message>
        <source>图案相同就能消除</source>
        <translation>Any two tiles with the same picture can be removed</translation>
    </message>
    <message>
        <source>正常模式</source>
        <translation>Normal Mode</translation>
    </message>
    <message>
        <source>三段以内的直线连通才能消除</source>
        <translation>Tiles go only when joined by at most three straight lines</translation>
    </message>
    <message>
        <source>挑战模式</source>
        <translation>Challenge Mode</translation>
    </message>
    <message>
        <source>消除后上面的牌往下落</source>
        <translation>The tiles above fall down after a pair is removed</translation>
    </message>
    <message>
        <source>极限模式</source>
        <translation>Extreme Mode</translation>
    </message>
    <message>
        <source>消除后牌随机滑向一边，每对限时 60 秒</source>
        <translation>After a pair is removed the tiles slide to a random side; 60 seconds per pair</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1小时%2分%3秒</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>小星星</source>
        <translation>Little Star</translation>
    </message>
    <message>
        <source>用时 </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source> · 成绩未能保存</source>
        <translation> · Result not saved</translation>
    </message>
    <message>
        <source> · 新纪录！</source>
        <translation> · New record!</translation>
    </message>
    <message>
        <source> · 本关第%1名</source>
        <translation> · Place %1 on this level</translation>
    </message>
    <message>
        <source>zh</source>
        <comment>the language code of this translation: the section of a level&apos;s pictures.ini read for it</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>图案 %1</source>
        <translation>Picture %1</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>十二生肖</source>
        <translation>The Chinese Zodiac</translation>
    </message>
    <message>
        <source>虫鸣草间</source>
        <translation>Insects in the Grass</translation>
    </message>
    <message>
        <source>缤纷水果</source>
        <translation>Fruit Galore</translation>
    </message>
    <message>
        <source>花团锦簇</source>
        <translation>Flowers in Bloom</translation>
    </message>
    <message>
        <source>田园菜蔬</source>
        <translation>Garden Vegetables</translation>
    </message>
    <message>
        <source>甜蜜时光</source>
        <translation>Sweet Times</translation>
    </message>
    <message>
        <source>茶香四溢</source>
        <translation>Fragrant Tea</translation>
    </message>
    <message>
        <source>丝竹管弦</source>
        <translation>Strings and Pipes</translation>
    </message>
    <message>
        <source>百鸟争鸣</source>
        <translation>A Hundred Birds Singing</translation>
    </message>
    <message>
        <source>风云变幻</source>
        <translation>Changing Weather</translation>
    </message>
    <message>
        <source>星际漫游</source>
        <translation>Journey Through Space</translation>
    </message>
    <message>
        <source>欢度佳节</source>
        <translation>Festive Days</translation>
    </message>
    <message>
        <source>草木葱茏</source>
        <translation>Lush Greenery</translation>
    </message>
    <message>
        <source>海底世界</source>
        <translation>Under the Sea</translation>
    </message>
    <message>
        <source>书香校园</source>
        <translation>School Days</translation>
    </message>
    <message>
        <source>名胜古迹</source>
        <translation>Famous Sights</translation>
    </message>
    <message>
        <source>游戏人间</source>
        <translation>Games and Toys</translation>
    </message>
    <message>
        <source>农家小院</source>
        <translation>The Farmyard</translation>
    </message>
    <message>
        <source>数码时代</source>
        <translation>The Digital Age</translation>
    </message>
    <message>
        <source>锅碗瓢盆</source>
        <translation>Pots and Pans</translation>
    </message>
    <message>
        <source>衣橱百搭</source>
        <translation>The Wardrobe</translation>
    </message>
    <message>
        <source>百工巧匠</source>
        <translation>Tools of the Trade</translation>
    </message>
    <message>
        <source>动物乐园</source>
        <translation>Animal Park</translation>
    </message>
    <message>
        <source>美食天地</source>
        <translation>A World of Food</translation>
    </message>
    <message>
        <source>体育竞技</source>
        <translation>Sports</translation>
    </message>
    <message>
        <source>交通工具</source>
        <translation>On the Move</translation>
    </message>
    <message>
        <source>百宝奇珍</source>
        <translation>Treasures</translation>
    </message>
    <message>
        <source>百家姓氏</source>
        <translation>A Hundred Family Names</translation>
    </message>
    <message>
        <source>江山如画</source>
        <translation>Landscapes like Paintings</translation>
    </message>
    <message>
        <source>汉字寻踪</source>
        <translation>Tracing Chinese Characters</translation>
    </message>
</context>
<context>
    <name>ProblemTexts</name>
    <message>
        <source>关卡目录中有 %1 个关卡，关卡菜单只能列出前 %2 个。</source>
        <translation>The level list has %1 levels; the level menu can only list the first %2.</translation>
    </message>
    <message>
        <source>%1至%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>第%1关的条目缺失</source>
        <translation>No entry for level %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>关卡文件夹“%1”不在游戏的文件夹之内</source>
        <translation>The level folder “%1” is not inside the game&apos;s folder</translation>
    </message>
    <message>
        <source>找不到关卡设置文件 setme.ini</source>
        <translation>The level settings file setme.ini was not found</translation>
    </message>
    <message>
        <source>关卡设置文件 setme.ini 无法读取：%1</source>
        <translation>The level settings file setme.ini cannot be read: %1</translation>
    </message>
    <message>
        <source>设置文件 setme.ini 中的数值有误</source>
        <translation>The settings file setme.ini has a wrong value</translation>
    </message>
    <message>
        <source>棋盘大小 %1 × %2 无法使用：每边至少 1 格，格子总数须为偶数，横纵相加不超过 99</source>
        <translation>A board of %1 × %2 cannot be used: each side needs at least 1 cell, the number of cells must be even, and width plus height must not exceed 99</translation>
    </message>
    <message>
        <source>音乐文件“%1”不在游戏的 media 文件夹之内</source>
        <translation>The music file “%1” is not inside the game&apos;s media folder</translation>
    </message>
    <message>
        <source>图片数量 PhotoSum=%1 无效</source>
        <translation>The number of pictures PhotoSum=%1 is not valid</translation>
    </message>
    <message>
        <source>缺少图片文件 %1</source>
        <translation>The picture file %1 is missing</translation>
    </message>
    <message>
        <source>图片文件 %1 无法读取（%2）</source>
        <translation>The picture file %1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>图片文件 %1 太大（%2 × %3 像素）</source>
        <translation>The picture file %1 is too large (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>它是一个符号链接，游戏不经由链接读写文件</source>
        <translation>it is a symbolic link, and the game does not read or write files through links</translation>
    </message>
    <message>
        <source>内容不是有效的 JSON</source>
        <translation>the content is not valid JSON</translation>
    </message>
    <message>
        <source>键“%1”重复出现</source>
        <translation>the key “%1” appears more than once</translation>
    </message>
    <message>
        <source>不是霁岚连连看保存的棋局</source>
        <translation>it is not a game saved by Jilan Link</translation>
    </message>
    <message>
        <source>格式版本 %1 无法识别</source>
        <translation>the format version %1 is not known</translation>
    </message>
    <message>
        <source>模式、关卡或积分有误</source>
        <translation>the mode, level or points are wrong</translation>
    </message>
    <message>
        <source>剩余时间或已用时间为负数或超出范围</source>
        <translation>the time left or the time used is negative or out of range</translation>
    </message>
    <message>
        <source>缺少暂停状态</source>
        <translation>the paused state is missing</translation>
    </message>
    <message>
        <source>撤销、提示、洗牌的次数超出范围</source>
        <translation>the number of undos, hints or shuffles is out of range</translation>
    </message>
    <message>
        <source>棋盘大小无效</source>
        <translation>the board size is not valid</translation>
    </message>
    <message>
        <source>棋盘的行数与它的大小不符</source>
        <translation>the number of board rows does not match its size</translation>
    </message>
    <message>
        <source>棋盘的列数与它的大小不符</source>
        <translation>the number of board columns does not match its size</translation>
    </message>
    <message>
        <source>棋盘的格子中有无效的图案编号</source>
        <translation>a cell of the board has an invalid picture number</translation>
    </message>
    <message>
        <source>撤销记录有误</source>
        <translation>the undo history is wrong</translation>
    </message>
    <message>
        <source>撤销记录中有超出棋盘的格子或无效的图案</source>
        <translation>the undo history has cells outside the board or invalid pictures</translation>
    </message>
    <message>
        <source>随机数种子有误</source>
        <translation>the random seed is wrong</translation>
    </message>
    <message>
        <source>棋盘上有无效的图案编号 %1</source>
        <translation>the board has an invalid picture number %1</translation>
    </message>
    <message>
        <source>图案 %1 在棋盘上有 %2 张，不成对</source>
        <translation>picture %1 is on the board %2 times, which is not in pairs</translation>
    </message>
    <message>
        <source>棋盘上已经没有牌</source>
        <translation>there are no tiles left on the board</translation>
    </message>
    <message>
        <source>撤销记录（%1 条）与棋盘上的牌（%2 张）对不上</source>
        <translation>the undo history (%1 entries) does not match the tiles on the board (%2)</translation>
    </message>
    <message>
        <source>第 %1 条撤销记录不是一对相同的牌</source>
        <translation>undo entry %1 is not a pair of matching tiles</translation>
    </message>
    <message>
        <source>撤销记录中的格子 (%1, %2) 不在棋盘上</source>
        <translation>the cell (%1, %2) in the undo history is not on the board</translation>
    </message>
    <message>
        <source>剩余时间 %1 与已用的 %2 秒、消去的 %3 对牌对不上</source>
        <translation>the time left, %1, does not match the %2 seconds used and the %3 pairs removed</translation>
    </message>
    <message>
        <source>积分 %1 与开局时的 %2 分、消去的 %3 对牌和用过的道具对不上</source>
        <translation>the points, %1, do not match the %2 at the start, the %3 pairs removed and the tools used</translation>
    </message>
    <message>
        <source>棋盘大小 %1 × %2 与关卡设置的 %3 × %4 不符</source>
        <translation>the board size %1 × %2 does not match the level&apos;s %3 × %4</translation>
    </message>
    <message>
        <source>棋局中有关卡没有的图案（关卡只有 %1 种图案）</source>
        <translation>the game has pictures the level does not have (the level has only %1 pictures)</translation>
    </message>
    <message>
        <source>撤销记录中的格子 (%1, %2) 不是空的</source>
        <translation>the cell (%1, %2) in the undo history is not empty</translation>
    </message>
    <message>
        <source>
游戏可以照常进行，这次的成绩先记在内存中，等它能写入时再保存。</source>
        <translation>
You can go on playing: this session&apos;s results are kept in memory and saved once they can be written.</translation>
    </message>
    <message>
        <source>无法创建存档文件夹“%1”。</source>
        <translation>Cannot create the save folder “%1”.</translation>
    </message>
    <message>
        <source>无法在存档文件夹“%1”中写入：%2。</source>
        <translation>Cannot write in the save folder “%1”: %2.</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”不是普通文件（例如是一个符号链接或硬链接），游戏不经由链接读写文件，已改名为“%2”。
</source>
        <translation>Your records file “%1” is not a regular file (for example a symbolic link or a hard link); the game does not read or write files through links, so it has been renamed to “%2”.
</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”不是普通文件，也无法改名保存。</source>
        <translation>Your records file “%1” is not a regular file and could not be renamed to keep it.</translation>
    </message>
    <message>
        <source>无法打开成绩记录“%1”。</source>
        <translation>Cannot open the records file “%1”.</translation>
    </message>
    <message>
        <source>你的成绩记录 records.sqlite 无法读取或已损坏，已改名保存为“%1”。
</source>
        <translation>Your records file records.sqlite could not be read or is damaged; it has been kept under the name “%1”.
</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”无法读取或已损坏，也无法改名保存。</source>
        <translation>Your records file “%1” could not be read or is damaged, and could not be renamed to keep it.</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”由更新版本的游戏保存，这个版本只读取其中的成绩，不改动它。</source>
        <translation>Your records file “%1” was saved by a newer version of the game; this version only reads the results in it and leaves it unchanged.</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”正被另一个程序使用，暂时无法写入。</source>
        <translation>Your records file “%1” is in use by another program and cannot be written for now.</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”是只读的，无法写入。</source>
        <translation>Your records file “%1” is read-only and cannot be written.</translation>
    </message>
    <message>
        <source>磁盘已满，你的成绩记录“%1”暂时无法写入。</source>
        <translation>The disk is full: your records file “%1” cannot be written for now.</translation>
    </message>
    <message>
        <source>你的成绩记录“%1”暂时无法读写。</source>
        <translation>Your records file “%1” cannot be read or written for now.</translation>
    </message>
    <message>
        <source>
游戏可以照常进行，但这次的成绩不会保存。</source>
        <translation>
You can go on playing, but this session&apos;s results will not be saved.</translation>
    </message>
    <message>
        <source>成绩从头记起。</source>
        <translation>The records start afresh.</translation>
    </message>
    <message>
        <source>无法创建存档文件夹“%1”：%2。</source>
        <translation>Cannot create the save folder “%1”: %2.</translation>
    </message>
    <message>
        <source>你的游戏设置文件“%1”是一个符号链接，游戏不经由链接读写文件，现在使用游戏自带的关卡目录。</source>
        <translation>Your game settings file “%1” is a symbolic link, and the game does not read or write files through links; the level list that comes with the game is used instead.</translation>
    </message>
    <message>
        <source>你的游戏设置文件“%1”无法读取或已损坏，也无法改名保存。</source>
        <translation>Your game settings file “%1” could not be read or is damaged, and could not be renamed to keep it.</translation>
    </message>
    <message>
        <source>你的游戏设置文件 DAZGame.ini 无法读取或已损坏，已改名保存为“%1”。
现在使用游戏自带的关卡目录，关卡和积分从头开始。</source>
        <translation>Your game settings file DAZGame.ini could not be read or is damaged; it has been kept under the name “%1”.
The level list that comes with the game is used instead, and levels and points start afresh.</translation>
    </message>
    <message>
        <source>新的关卡未能加入你的关卡目录：%1</source>
        <translation>The new levels could not be added to your level list: %1</translation>
    </message>
    <message>
        <source>你的关卡菜单已满（最多 %1 关），游戏新带的 %2 个关卡无法加入：
%3</source>
        <translation>Your level menu is full (at most %1 levels): the %2 new levels that came with the game could not be added:
%3</translation>
    </message>
    <message>
        <source>
游戏可以照常进行，但这次的进度和设置不会保存。</source>
        <translation>
You can go on playing, but this session&apos;s progress and settings will not be saved.</translation>
    </message>
    <message>
        <source>文件出错</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>在文件中没有找到所要查找的字段</source>
        <translation>The field being looked for was not found in the file</translation>
    </message>
    <message>
        <source>错误信息</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>找不到游戏设置文件 DAZGame.ini，没有可玩的关卡。</source>
        <translation>The game settings file DAZGame.ini was not found; there are no levels to play.</translation>
    </message>
    <message>
        <source>关卡目录是空的：DAZGame.ini 的 [GameMenu] 中没有任何关卡。</source>
        <translation>The level list is empty: the [GameMenu] section of DAZGame.ini has no levels.</translation>
    </message>
    <message>
        <source>第%1关「%2」无法开始：%3。
请从菜单中选择其他关卡。</source>
        <translation>Level %1 “%2” cannot start: %3.
Please choose another level from the menu.</translation>
    </message>
    <message>
        <source>上次未完成的棋局“%1”无法使用：%2。
它已改名保存为“%3”，这一关重新发牌。</source>
        <translation>The unfinished game from last time, “%1”, cannot be used: %2.
It has been kept under the name “%3”, and this level is dealt afresh.</translation>
    </message>
    <message>
        <source>上次未完成的棋局“%1”无法使用：%2，也无法改名保存。
这一关重新发牌。</source>
        <translation>The unfinished game from last time, “%1”, cannot be used: %2, and it could not be renamed to keep it.
This level is dealt afresh.</translation>
    </message>
    <message>
        <source>设置未能保存：%1</source>
        <translation>The settings could not be saved: %1</translation>
    </message>
    <message>
        <source>未完成的棋局未能保存：%1</source>
        <translation>The unfinished game could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>daz::Announcer</name>
    <message>
        <source>消去：%1</source>
        <translation>Removed: %1</translation>
    </message>
    <message>
        <source>提示：%1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>已重排</source>
        <translation>Shuffled</translation>
    </message>
    <message>
        <source>%1 与 %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Going on</translation>
    </message>
    <message>
        <source>时间到</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>过关！</source>
        <translation>Cleared!</translation>
    </message>
    <message>
        <source>过关！%1</source>
        <translation>Cleared! %1</translation>
    </message>
</context>
<context>
    <name>daz::BestTimeChart</name>
    <message>
        <source>还没有成绩</source>
        <translation>No results yet</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>the tooltip over a level&apos;s bar: the level&apos;s name and its best time</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>daz::BoardCaption</name>
    <message>
        <source>%1======&gt;当前游戏关卡：%2．%3</source>
        <translation>%1 ======&gt; Current level: %2. %3</translation>
    </message>
    <message>
        <source>继续上次的棋局 — </source>
        <translation>Game resumed — </translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;%1</source>
        <translation>    %1</translation>
    </message>
    <message>
        <source>%1（不限时）</source>
        <extracomment>the mode&apos;s caption, of a level played untimed</extracomment>
        <translation>%1 (untimed)</translation>
    </message>
</context>
<context>
    <name>daz::BoardView</name>
    <message>
        <source>第%1行第%2列</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>第%1行第%2列：%3</source>
        <extracomment>A cell of the board as a screen reader reads it: row, column, and what lies there.</extracomment>
        <translation>Row %1, column %2: %3</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>棋盘</source>
        <translation>Board</translation>
    </message>
</context>
<context>
    <name>daz::FolderChooser</name>
    <message>
        <source>无法打开“%1”：%2
请插入磁盘或选择其他目录。</source>
        <translation>Cannot open “%1”: %2
Please insert the disk or choose another folder.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>daz::FolderChooserWindow</name>
    <message>
        <source>请选择你制作好的关卡图片及蒙版所在目录：</source>
        <translation>Choose the folder of your pictures and masks:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>daz::GameActions</name>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> 或 </source>
        <translation> or </translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>从头再玩本关</source>
        <translation>Play this level again from the start</translation>
    </message>
    <message>
        <source>你真的要重新开始吗？</source>
        <translation>Do you really want to restart?</translation>
    </message>
    <message>
        <source>友情提示</source>
        <translation>Friendly Reminder</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>暂停，再按一次继续</source>
        <translation>Pause; press again to resume</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>放回最后消掉的一对牌，花 2 分</source>
        <translation>Put back the last pair removed, for 2 points</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>让一对能消的牌闪烁，花 2 分</source>
        <translation>Flash a pair that can be removed, for 2 points</translation>
    </message>
    <message>
        <source>重排</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>把剩下的牌重新打乱，花 10 分</source>
        <translation>Shuffle the remaining tiles, for 10 points</translation>
    </message>
    <message>
        <source>主菜单</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>游戏模式</source>
        <translation>Game Mode</translation>
    </message>
    <message>
        <source>随机选关</source>
        <translation>Random Level</translation>
    </message>
    <message>
        <source>成绩榜</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>鼠标音效</source>
        <translation>Click Sounds</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Background Music</translation>
    </message>
    <message>
        <source>霁岚--关卡修改器</source>
        <translation>Jilan Level Modifier</translation>
    </message>
    <message>
        <source>霁岚--关卡编辑器</source>
        <translation>Jilan Level Editor</translation>
    </message>
    <message>
        <source>主题帮助</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>建议反馈</source>
        <translation>Send Feedback</translation>
    </message>
    <message>
        <source>最新软件下载</source>
        <translation>Download the Latest Version</translation>
    </message>
    <message>
        <source>最新关卡下载</source>
        <translation>Download New Levels</translation>
    </message>
    <message>
        <source>关于作者</source>
        <translation>About the Author</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>积分不足</source>
        <translation>Not enough points</translation>
    </message>
    <message>
        <source>%1．%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow the Desktop</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>daz::GameInfo</name>
    <message>
        <source>霁岚连连看2006.10.4</source>
        <translation>Jilan Link 2006.10.4</translation>
    </message>
    <message>
        <source>帮助文件丢失！</source>
        <translation>The help file is missing!</translation>
    </message>
    <message>
        <source>帮助文件“%1”无法读取：%2</source>
        <translation>The help file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>霁岚连连看 %1 建议反馈</source>
        <translation>Jilan Link %1 feedback</translation>
    </message>
    <message>
        <source>没有找到可以写邮件的程序。</source>
        <translation>No program to write e-mail with was found.</translation>
    </message>
    <message>
        <source>游戏和关卡包从哪里来、关卡包怎样玩，写在说明文件 README.md 里（安装后在 share/doc/jilan-llk/ 文件夹里）。</source>
        <translation>Where the game and the level packs come from, and how to play a level pack, is written in the README.md file (once installed, in the share/doc/jilan-llk/ folder).</translation>
    </message>
    <message>
        <source>说明：%1</source>
        <translation>Read me: %1</translation>
    </message>
    <message>
        <source>说明：README.md（安装后在 share/doc/jilan-llk/ 文件夹里）</source>
        <translation>Read me: README.md (once installed, in the share/doc/jilan-llk/ folder)</translation>
    </message>
    <message>
        <source>霁岚连连看 %1
以 MIT 许可证发布。
帮助：主菜单的“主题帮助”（F1），即 %2
%3</source>
        <translation>Jilan Link %1
Released under the MIT License.
Help: “Help Topics” in the main menu (F1), which opens %2
%3</translation>
    </message>
    <message>
        <source>关于%1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>\dazRedme.txt</source>
        <comment>file name of the help text in this language</comment>
        <translation>\dazRedme_en.txt</translation>
    </message>
</context>
<context>
    <name>daz::HelpWindow</name>
    <message>
        <source>主题帮助</source>
        <translation>Help Topics</translation>
    </message>
</context>
<context>
    <name>daz::LevelEditor</name>
    <message>
        <source>没有发现你打开目录下有%1，请先制作！</source>
        <translation>There is no %1 in the folder you opened. Please make it first!</translation>
    </message>
    <message>
        <source>无法删除文件“%1”</source>
        <translation>Cannot delete the file “%1”</translation>
    </message>
    <message>
        <source>无法删除文件夹“%1”</source>
        <translation>Cannot delete the folder “%1”</translation>
    </message>
    <message>
        <source>另外，已做的改动未能全部撤销：
%1</source>
        <translation>Also, not all of the changes already made could be undone:
%1</translation>
    </message>
    <message>
        <source>请输入一个关卡名称！</source>
        <translation>Please enter a level name!</translation>
    </message>
    <message>
        <source>对不起！此关卡名称已经存在，请改一个！</source>
        <translation>Sorry! A level with this name already exists. Please choose another name!</translation>
    </message>
    <message>
        <source>请选择关卡图片及蒙版所在目录！</source>
        <translation>Please choose the folder that holds the level pictures and masks!</translation>
    </message>
    <message>
        <source>你准备了几张关卡图片（不含蒙版）！</source>
        <translation>Please enter how many level pictures you have prepared (not counting masks)!</translation>
    </message>
    <message>
        <source>你准备了几张关卡图片（不含蒙版）只能是数字！</source>
        <translation>The number of level pictures you have prepared (not counting masks) must be a number!</translation>
    </message>
    <message>
        <source>你准备了几张关卡图片（不含蒙版）最少要有１０张图片哟！</source>
        <translation>You need at least 10 level pictures (not counting masks)!</translation>
    </message>
    <message>
        <source>关卡目录“%1”中没有 [GameMenu] 一节，无法加入新关卡。没有创建任何文件。</source>
        <translation>The level list “%1” has no [GameMenu] section, so the new level cannot be added. No files were created.</translation>
    </message>
    <message>
        <source>关卡目录“%1”中没有关卡数量（Menu），无法加入新关卡。没有创建任何文件。</source>
        <translation>The level list “%1” has no level count (Menu), so the new level cannot be added. No files were created.</translation>
    </message>
    <message>
        <source>关卡文件生成，已加入关卡菜单！</source>
        <translation>The level files have been made and the level added to the level menu!</translation>
    </message>
    <message>
        <source>无法保存音乐文件“%1”</source>
        <translation>Cannot save the music file “%1”</translation>
    </message>
    <message>
        <source>关卡目录“%1”中没有 [GameMenu] 一节，无法更新关卡数量。</source>
        <translation>The level list “%1” has no [GameMenu] section, so the level count cannot be updated.</translation>
    </message>
</context>
<context>
    <name>daz::LevelEditorWindow</name>
    <message>
        <source>霁岚关卡编辑器2.0.0</source>
        <translation>Jilan Level Editor 2.0.0</translation>
    </message>
    <message>
        <source>关卡名称</source>
        <translation>Level name</translation>
    </message>
    <message>
        <source>图片目录</source>
        <translation>Picture folder</translation>
    </message>
    <message>
        <source>选择图片目录</source>
        <translation>Choose Picture Folder</translation>
    </message>
    <message>
        <source>图片张数</source>
        <translation>Number of pictures</translation>
    </message>
    <message>
        <source>横向列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>纵向行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>选择背景图片</source>
        <translation>Choose Background Picture</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>选择背景音乐</source>
        <translation>Choose Background Music</translation>
    </message>
    <message>
        <source>制作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>制 作 者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>霁岚关卡编辑器</source>
        <translation>Jilan Level Editor</translation>
    </message>
    <message>
        <source>用你准备好的图片，做一个全新的关卡</source>
        <translation>Make a brand-new level from pictures you have ready</translation>
    </message>
    <message>
        <source>张，不含 mb1.gif 和 mb2.gif，至少 10 张</source>
        <translation>besides mb1.gif and mb2.gif; 10 or more</translation>
    </message>
    <message>
        <source>列数、行数为 1～19，至少一个是偶数</source>
        <translation>Columns and rows 1–19, at least one of them even</translation>
    </message>
    <message>
        <source>点色块选择颜色；有背景图片时用图片</source>
        <translation>Click the swatch for a colour; a picture wins</translation>
    </message>
    <message>
        <source>可以不填</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>图案名称</source>
        <translation>Picture names</translation>
    </message>
</context>
<context>
    <name>daz::LevelModifier</name>
    <message>
        <source>%1．%2</source>
        <extracomment>An item of the level list: the level&apos;s number and its name.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>哈哈！你还没有选择要修改的关卡呢！</source>
        <translation>Ha ha! You haven&apos;t chosen a level to modify yet!</translation>
    </message>
    <message>
        <source>这个关卡的文件夹“%1”不在游戏的文件夹之内，不能修改。</source>
        <translation>This level&apos;s folder “%1” is not inside the game&apos;s folder, so it cannot be modified.</translation>
    </message>
    <message>
        <source>对不起，背景图不存在，请重新选择一个！</source>
        <translation>Sorry, the background picture does not exist. Please choose another one!</translation>
    </message>
    <message>
        <source>对不起，背景音乐不存在，请重新选择一个！</source>
        <translation>Sorry, the background music does not exist. Please choose another one!</translation>
    </message>
    <message>
        <source>当前关卡修改成功！</source>
        <translation>The level has been modified!</translation>
    </message>
    <message>
        <source>文件“%1”中没有 [%2] 一节，无法保存关卡设置。</source>
        <translation>The file “%1” has no [%2] section, so the level settings cannot be saved.</translation>
    </message>
    <message>
        <source>无法保存音乐文件“%1”</source>
        <translation>Cannot save the music file “%1”</translation>
    </message>
</context>
<context>
    <name>daz::LevelModifierWindow</name>
    <message>
        <source>霁岚关卡修改器1.0.0</source>
        <translation>Jilan Level Modifier 1.0.0</translation>
    </message>
    <message>
        <source>横向列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>纵向行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>选择背景图片</source>
        <translation>Choose Background Picture</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>选择背景音乐</source>
        <translation>Choose Background Music</translation>
    </message>
    <message>
        <source>霁岚关卡修改器</source>
        <translation>Jilan Level Modifier</translation>
    </message>
    <message>
        <source>调整关卡的大小、背景、音乐和飘动效果</source>
        <translation>Change a level&apos;s size, background, music and effect</translation>
    </message>
    <message>
        <source>列数、行数为 1～19，至少一个是偶数</source>
        <translation>Columns and rows 1–19, at least one of them even</translation>
    </message>
    <message>
        <source>点色块选择颜色；有背景图片时用图片</source>
        <translation>Click the swatch for a colour; a picture wins</translation>
    </message>
</context>
<context>
    <name>daz::LevelToolChecks</name>
    <message>
        <source>图片横向卡片排列数！</source>
        <translation>Please enter the number of tile columns in the picture!</translation>
    </message>
    <message>
        <source>图片横向卡片排列数只能是数字！</source>
        <translation>The number of tile columns in the picture must be a number!</translation>
    </message>
    <message>
        <source>图片横向卡片排列数只能是大于0小于20的正整数！</source>
        <translation>The number of tile columns in the picture must be a whole number from 1 to 19!</translation>
    </message>
    <message>
        <source>图片纵向卡片排列数！</source>
        <translation>Please enter the number of tile rows in the picture!</translation>
    </message>
    <message>
        <source>图片纵向卡片排列数只能是数字！</source>
        <translation>The number of tile rows in the picture must be a number!</translation>
    </message>
    <message>
        <source>图片纵向卡片排列数只能是大于0小于20的正整数！</source>
        <translation>The number of tile rows in the picture must be a whole number from 1 to 19!</translation>
    </message>
    <message>
        <source>图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！</source>
        <translation>Either the number of tile columns or the number of tile rows in the picture must be even!</translation>
    </message>
    <message>
        <source>关卡名称中不能有 \ / : [ ] = 这些字符、两个连续的点“..”、换行或其他控制字符，开头和结尾也不能是空格，请改一个！</source>
        <translation>A level name cannot contain the characters \ / : [ ] =, two dots in a row “..”, line breaks or other control characters, and cannot start or end with a space. Please choose another name!</translation>
    </message>
    <message>
        <source>制作者名称中不能有 [ ] 这些字符、换行或其他控制字符，请改一个！</source>
        <translation>An author name cannot contain the characters [ ], line breaks or other control characters. Please choose another name!</translation>
    </message>
    <message>
        <source>图片文件</source>
        <translation>Picture files</translation>
    </message>
    <message>
        <source>媒体文件</source>
        <translation>Media files</translation>
    </message>
    <message>
        <source>“%1”是一个通向游戏文件夹以外的符号链接，游戏不会经由它写入文件。
请把它换成一个普通的文件夹，再试一次。</source>
        <translation>“%1” is a symbolic link leading outside the game&apos;s folder, and the game will not write files through it.
Please replace it with an ordinary folder and try again.</translation>
    </message>
    <message>
        <source>没有任何效果</source>
        <translation>No effect</translation>
    </message>
    <message>
        <source>漂落的鲜花</source>
        <translation>Falling flowers</translation>
    </message>
    <message>
        <source>上升的泡泡</source>
        <translation>Rising bubbles</translation>
    </message>
    <message>
        <source>飞舞的花瓣</source>
        <translation>Swirling petals</translation>
    </message>
    <message>
        <source>浮动的云彩</source>
        <translation>Drifting clouds</translation>
    </message>
    <message>
        <source>闪烁的星星</source>
        <translation>Twinkling stars</translation>
    </message>
</context>
<context>
    <name>daz::LevelToolWindow</name>
    <message>
        <source>背景颜色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>飘动效果</source>
        <translation>Floating effect</translation>
    </message>
    <message>
        <source>选择关卡</source>
        <translation>Choose Level</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>daz::MainWindow</name>
    <message>
        <source>霁岚连连看 · 原创游戏&#x3000;&#x3000;© 霁岚工作室</source>
        <translation>Jilan Link · An original game    © Jilan Studio</translation>
    </message>
    <message>
        <source>选关</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>选择关卡</source>
        <translation>Choose Level</translation>
    </message>
    <message>
        <source>游戏模式</source>
        <translation>Game Mode</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>daz::ModeChooser</name>
    <message>
        <source>简单模式</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>只要选择相同花色的牌，就可以成功将对子消除。适合人群：游戏初学者和儿童智力开发！</source>
        <translation>Any two matching tiles can be removed. For beginners and young minds!</translation>
    </message>
    <message>
        <source>正常模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>经典的连连看模式，只要将相同花色的两张牌用三根以内的直线连在一起就可以消除。</source>
        <translation>Classic Link-Up: join two matching tiles with at most three straight lines.</translation>
    </message>
    <message>
        <source>挑战模式</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>作者最新开发设计，对经典的连连看作了最新的修改，游戏的可玩性增强了。消除后牌会下落！</source>
        <translation>The author&apos;s own twist on classic Link-Up: the tiles above fall down!</translation>
    </message>
    <message>
        <source>极限模式</source>
        <translation>Extreme</translation>
    </message>
    <message>
        <source>每消除一对牌的最长思考时间为60秒，你想挑战时间的极限吗？</source>
        <translation>At most 60 seconds to find each pair. Dare you race the clock?</translation>
    </message>
    <message>
        <source>退出游戏</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>游戏还没开始呢，真的要退出游戏吗？</source>
        <translation>The game hasn&apos;t even started yet. Do you really want to quit?</translation>
    </message>
    <message>
        <source>霁岚连连看 · 祝你玩得开心</source>
        <translation>Jilan Link · Have fun!</translation>
    </message>
</context>
<context>
    <name>daz::ModeChooserWindow</name>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>daz::PictureNamesWindow</name>
    <message>
        <source>图案名称</source>
        <translation>Picture names</translation>
    </message>
    <message>
        <source>给每张图片起个名字，读屏软件会念给看不见棋盘的玩家听。可以不填。</source>
        <translation>Give each picture a name: screen readers read them to players who cannot see the board. They may be left empty.</translation>
    </message>
    <message>
        <source>请先选择图片目录，或填写图片张数。</source>
        <translation>First choose the picture folder or enter the number of pictures.</translation>
    </message>
    <message>
        <source>图案 %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>%1 的名称</source>
        <translation>Name of %1</translation>
    </message>
</context>
<context>
    <name>daz::PictureWords</name>
    <message>
        <source>主菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>游戏模式</source>
        <translation>Game Mode</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>喝口茶，歇一歇 — 点击继续</source>
        <translation>Tea break — click to go on</translation>
    </message>
    <message>
        <source>时间到！</source>
        <translation>Time&apos;s up!</translation>
    </message>
    <message>
        <source>点“重新开始”再来一次</source>
        <translation>Click &quot;Restart&quot; to try again</translation>
    </message>
    <message>
        <source>过关！</source>
        <translation>Cleared!</translation>
    </message>
    <message>
        <source>点击进入下一关</source>
        <translation>Click for the next level</translation>
    </message>
    <message>
        <source>找 相 同 · 连 一 连 · 消 光 光</source>
        <translation>Find a pair · Link it · Clear them all</translation>
    </message>
    <message>
        <source>— 请选择游戏模式 —</source>
        <translation>— Choose a game mode —</translation>
    </message>
    <message>
        <source>图案名称</source>
        <translation>Picture names</translation>
    </message>
</context>
<context>
    <name>daz::PlayerPreferences</name>
    <message>
        <source>语言的选择未能保存，只在这次游戏中有效：%1</source>
        <translation>The choice of language could not be saved and holds for this game only: %1</translation>
    </message>
    <message>
        <source>设置未能保存，只在这次游戏中有效：%1</source>
        <translation>The setting could not be saved and holds for this game only: %1</translation>
    </message>
</context>
<context>
    <name>daz::RecordsWindow</name>
    <message>
        <source>成绩榜</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>成绩无法保存</source>
        <translation>The results cannot be saved</translation>
    </message>
    <message>
        <source>%1．%2</source>
        <extracomment>a level in the level chooser: its number and its name</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>关卡：</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>模式：</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>得分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>重排</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>这一关在这个模式下还没有成绩。</source>
        <translation>This level has no results in this mode yet.</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>清除成绩</source>
        <translation>Clear Results</translation>
    </message>
    <message>
        <source>你真的要清除全部成绩吗？</source>
        <translation>Do you really want to clear all results?</translation>
    </message>
    <message>
        <source>成绩没能清除，请稍后再试。</source>
        <translation>The results could not be cleared. Please try again later.</translation>
    </message>
    <message>
        <source>不限时</source>
        <translation>Untimed</translation>
    </message>
</context>
<context>
    <name>daz::SettingsWindow</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>离开时暂停</source>
        <translation>Pause when away</translation>
    </message>
    <message>
        <source>窗口最小化、切换到别的程序或屏幕锁定时，本关暂停，回来后点一下继续。</source>
        <translation>The level pauses when the window is minimised, another program takes the focus or the screen locks; click to go on when you are back.</translation>
    </message>
    <message>
        <source>不限时</source>
        <translation>Untimed</translation>
    </message>
    <message>
        <source>时间条一直是满的，不会超时；从本关起生效，关掉后从下一关起恢复计时。不限时的成绩与限时的分开记录。</source>
        <translation>The time bar stays full and the level never times out. On, it takes the level in play at once; off, the clock comes back from the next level. Untimed results are kept apart from timed ones.</translation>
    </message>
    <message>
        <source>少动画</source>
        <translation>Less motion</translation>
    </message>
    <message>
        <source>高对比度</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>少动画：没有飘动的小图、跳动的画面和闪烁；高对比度：粗边框和黑底白字。未选择时跟随桌面的设置。</source>
        <translation>Less motion: no drifting pictures, no jumping picture and no blinking. High contrast: thick outlines and white text on black. Until you choose, each follows the desktop.</translation>
    </message>
</context>
<context>
    <name>daz::Splash</name>
    <message>
        <source>程序已经运行，不能再次装载！</source>
        <translation>The game is already running and cannot be started again!</translation>
    </message>
</context>
<context>
    <name>daz::SplashWindow</name>
    <message>
        <source>程序加载中：</source>
        <translation>Loading:</translation>
    </message>
</context>
<context>
    <name>daz::StatisticsPage</name>
    <message>
        <source>开局</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>过关</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>过关率</source>
        <translation>Clear rate</translation>
    </message>
    <message>
        <source>最长连续过关</source>
        <translation>Best streak</translation>
    </message>
    <message>
        <source>总用时</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the share of the levels started that were cleared, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>各关最佳用时（%1）</source>
        <translation>Best time per level (%1)</translation>
    </message>
    <message>
        <source>各关最佳用时（%1，不限时）</source>
        <translation>Best time per level (%1, untimed)</translation>
    </message>
</context>
<context>
    <name>daz::TimeBar</name>
    <message>
        <source>生命：%1%</source>
        <translation>Life: %1%</translation>
    </message>
</context>
<context>
    <name>daz::ToolStrip</name>
    <message>
        <source>背景音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>鼠标音效</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>玩家姓名：</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>积分：</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>等级：</source>
        <translation>Rank:</translation>
    </message>
    <message>
        <source>生命：</source>
        <translation>Life:</translation>
    </message>
    <message>
        <source>积分不足</source>
        <translation>Not enough points</translation>
    </message>
    <message>
        <source>积分：%1</source>
        <translation>Score: %1</translation>
    </message>
</context>
<context>
    <name>daz::Toolbar</name>
    <message>
        <source>■重新开始</source>
        <translation>■Restart</translation>
    </message>
    <message>
        <source>◆暂停</source>
        <translation>◆Pause</translation>
    </message>
    <message>
        <source>←撤消*%1</source>
        <translation>←Undo*%1</translation>
    </message>
    <message>
        <source>◎提示*%1</source>
        <translation>◎Hint*%1</translation>
    </message>
    <message>
        <source>※重排*%1</source>
        <translation>※Shuffle*%1</translation>
    </message>
    <message>
        <source>%1，剩余 %2 次</source>
        <extracomment>A tool of the strip as a screen reader reads it: its name and how often it may still be used.</extracomment>
        <translation>%1, %2 left</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>重排</source>
        <translation>Shuffle</translation>
    </message>
</context>
<context>
    <name>daz::platform::MessageBoxes</name>
    <message>
        <source>霁岚连连看</source>
        <translation>Jilan Link</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>霁岚连连看：连连看游戏。</source>
        <translation>Jilan Link: a Link-Up tile-matching game.</translation>
    </message>
    <message>
        <source>把 DIR 当作唯一的程序文件夹来玩（例如一套关卡包）：关卡目录、关卡和设置都在那里读写。</source>
        <translation>Play with DIR as the only game folder (a level pack, for example): the level list, the levels and the settings are all read and written there.</translation>
    </message>
    <message>
        <source>不显示模式选择，直接以模式 N 开始：1 简单、2 正常、3 挑战、4 极限。</source>
        <translation>Skip the mode chooser and start straight away in mode N: 1 Easy, 2 Normal, 3 Challenge, 4 Extreme.</translation>
    </message>
    <message>
        <source>--mode 只能是 1、2、3 或 4。</source>
        <translation>--mode can only be 1, 2, 3 or 4.</translation>
    </message>
    <message>
        <source>无法创建锁文件“%1”：%2。</source>
        <translation>Cannot create the lock file “%1”: %2.</translation>
    </message>
    <message>
        <source>无法创建锁文件“%1”。</source>
        <translation>Cannot create the lock file “%1”.</translation>
    </message>
    <message>
        <source>
游戏可以照常进行，但这次的进度和设置不会保存。</source>
        <translation>
You can go on playing, but this session&apos;s progress and settings will not be saved.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>不开任何窗口和消息框（消息写到标准错误）：读取关卡目录，以正常模式载入上次的关卡，在标准输出写出窗口标题和关卡标题，保存后退出。一切正常时退出码为 0。</source>
        <translation>Open no windows or message boxes (messages go to standard error): read the level list, load the last level in Normal Mode, write the window&apos;s title and the level&apos;s caption to standard output, save and quit. The exit status is 0 when all went well.</translation>
    </message>
</context>
</TS>

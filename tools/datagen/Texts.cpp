#include "Texts.h"

#include "Files.h"
#include "Levels.h"

#include <QStringList>

namespace daz::datagen {
namespace {

// The column and row sizes of a cell, for the picture-size table of the help.
QString SizeTable()
{
    QStringList lines;
    QString columns = QString::fromUtf8("    列数：");
    QString widths = QString::fromUtf8("    宽度：");
    for (int x = 8; x <= 19; ++x) {
        columns += QStringLiteral("%1").arg(x, 4);
        widths += QStringLiteral("%1").arg(CellSize(x, 2).width(), 4);
    }
    QString rows = QString::fromUtf8("    行数：");
    QString heights = QString::fromUtf8("    高度：");
    for (int y = 6; y <= 19; ++y) {
        rows += QStringLiteral("%1").arg(y, 4);
        heights += QStringLiteral("%1").arg(CellSize(2, y).height(), 4);
    }
    lines << columns << widths << QString() << rows << heights;
    return lines.join(u'\n');
}

} // namespace

void WriteHelp(const QString& path)
{
    QString text = QString::fromUtf8(R"(霁岚连连看　游戏帮助
====================

一、怎么玩
----------
棋盘上的每种图案都成对出现。先点一张牌，再点另一张相同图案的牌：
如果两张牌能按规则连起来，它们就一起消失，同时得 1 分。
把棋盘上的牌全部消完就过关；工具栏上的“生命”时间条走完就算失败。
鼠标下的牌套着蓝色的提示框，点中的第一张牌套上红色的选中框；
点右键可以取消选择，第二张牌连不上时选择也会自动取消。

只用键盘也能玩：方向键移动蓝色的提示框（走到边上会从另一边出来，也能停在空格子上），
空格键或回车键等于点左键，退格键等于点右键，Esc 取消选择。
暂停、过关或超时的画面上，按空格键或回车键等于点一下画面。

连接规则（正常、挑战、极限模式）：
  两张牌之间用不超过三段的水平或竖直直线连起来（最多拐两个弯），
  线经过的格子必须是空的。棋盘四周有一圈空白边，连线可以从边外绕过去。

二、四种游戏模式
----------------
游戏开始时选择模式（方向键或 Tab 挑选，回车键确定，Esc 退出），
游戏中也可以点“游戏模式”按钮（Alt+G）或按 Ctrl+1～Ctrl+4 随时更换（当前关卡重新开始）。

  简单模式　只要图案相同就能消除，不管中间有没有挡着。
            时间约 300 秒，每消一对加一点时间。撤消 9 次、提示 9 次、重排 9 次。
  正常模式　经典连连看规则。时间约 150 秒，每消一对加一点时间；
            棋盘上没有能消的牌时会自动重排（不扣分）。撤消 6 次、提示 6 次、重排 6 次。
  挑战模式　规则同正常模式，但每消一对，上面的牌都会往下掉。
            时间约 300 秒。不能撤消，提示 3 次、重排 3 次。
  极限模式　每消一对，牌会随机往上、下、左、右某个方向挤过去；
            每一对牌最多只能想 60 秒，消掉一对时间条就重新加满。
            不能撤消，提示 9 次、重排 3 次。

三、工具栏
----------
  ■重新开始　［F5］重新发牌，从头再玩本关（会先问你一声）。分数不变。
  ◆暂停　　　［P 或 Pause］遮住棋盘、停住时间；点一下暂停画面或再按一次就继续。
  ←撤消　　　［Ctrl+Z］把最后消掉的一对牌放回原处，花 2 分。
  ◎提示　　　［H］让一对能消的牌闪烁几下，花 2 分（就算找不到也照样扣分）。
  ※重排　　　［S］把剩下的牌重新打乱，花 10 分。
星号后面的数字是本关还能用几次，每一关开始时重新补满，用不完也不带到下一关。
分数不够（用完会变成负数）时工具不能用。过关、超时和重新开始都不加分也不扣分。

“背景音乐”和“鼠标音效”两个按钮分别开关音乐和音效，主菜单里也有同样的开关。

四、等级称号
------------
分数越高，称号越响亮（每一级所需分数翻一倍）：

    分数          称号
    0 起          １．小星星
    100 起        ２．摩羯座
    200 起        ３．水瓶座
    400 起        ４．双鱼座
    800 起        ５．白羊座
    1600 起       ６．金牛座
    3200 起       ７．双子座
    6400 起       ８．巨蟹座
    12800 起      ９．狮子座
    25600 起      １０．处女座
    51200 起      １１．天秤座
    102400 起     １２．天蝎座
    204800 起     １３．射手座
    409600 起     １４．对对星座
    819200 起     １５．月亮座
    1638400 起    １６．太阳座
    3276800 起    １７．火眼金睛
    6553600 起    １８．神眼

五、选关与菜单
--------------
点工具栏左上角的“主菜单”按钮或按 Alt+M（打开菜单时游戏会自动暂停，Esc 关上菜单）：
  选择关卡　按名字选一关，或“随机选关”。
  成绩榜　每一关在各模式下最好的十个成绩，还有统计和各关最佳用时的图（Ctrl+R）。
  鼠标音效、背景音乐　开关声音。
  关卡修改器、关卡编辑器　见下文。
  主题帮助　就是这份说明（F1）。
  退出　保存进度后退出（Ctrl+Q）。
过了最后一关会回到第一关。退出时会记住你玩到第几关和你的分数，下次接着玩。

六、关卡编辑器（主菜单 → 霁岚--关卡编辑器）
------------------------------------------
用你自己的图片做一个新关卡：
  1. 准备一个文件夹，放入图片 1.gif、2.gif …… 一直到 N.gif（N 至少 10 张），
     再放入选中框 mb1.gif 和鼠标提示框 mb2.gif（中间透明、和牌一样大）。
  2. 填写关卡名称，选择图片所在目录，填写图片张数、横向列数和纵向行数
     （1 到 19，两者至少有一个是偶数）。
  3. 可以选择背景颜色、背景图片、背景音乐（mp3、mid、wav、ogg）、飘动效果，
     再写上制作者的名字。
  4. 点“确定”：新关卡放在你的存档文件夹的 gameg 文件夹里，并加到关卡列表的末尾，
     马上就能在“选择关卡”里找到它。

图片不会被拉伸，请按棋盘大小准备图片（单位：像素；牌比格子略小两三个像素更好看）：

)");
    text += SizeTable();
    text += QString::fromUtf8(R"(

七、关卡修改器（主菜单 → 霁岚--关卡修改器）
------------------------------------------
选一个关卡，可以修改它的列数、行数、背景颜色、背景图片、背景音乐和飘动效果，
点“确定”保存，下次进入这一关时生效。关卡名称、图片和图片张数不能在这里修改。
注意：改了列数或行数后，原来的图片可能放不下或留出空隙。

八、文件都在哪里
----------------
游戏自带的文件放在一个只读的文件夹里，游戏从不改动它们：安装后是
/usr/share/com.example.jilan_llk/，从源代码运行时是
build/share/com.example.jilan_llk/。
你的进度、设置和你做的关卡放在你自己的存档文件夹里：
  ~/.local/share/com.example.jilan_llk/
（设了 XDG_DATA_HOME 时是 $XDG_DATA_HOME/com.example.jilan_llk/）。
读一个文件时先找存档文件夹，那里没有再用自带的；写文件只写存档文件夹。

存档文件夹里有：
  DAZGame.ini      关卡列表（[GameMenu]）和你的设置（[UserSet]：
                   MediaON 背景音乐、SoundON 音效、UserGK 当前关卡、UserJF 分数）；
                   第一次启动时从自带的复制过来，以后游戏带来的新关卡自动加到末尾
  gameg/           用关卡编辑器做的关卡
  levels/          用关卡修改器改过的自带关卡的设置
  media/           关卡编辑器和关卡修改器复制进来的背景音乐
这些文件夹在第一次往里面放东西时才建立。

自带的文件夹里有：
  DAZGame.ini      自带的关卡列表
  levels/          游戏自带的关卡，每关一个文件夹
  media/           背景音乐（ogg 格式，每首三分钟多），各关共用
  sound/           音效
  Particle/        飘落的鲜花、泡泡、花瓣、云彩、星星的小图片
  dazRedme.txt     本帮助文件

图片、字体和声音的来源与许可写在 CREDITS 文件里，安装后在
/usr/share/doc/jilan-llk/ 文件夹里，和说明 README.md、版权文件 copyright 在一起。

别人做的一整套关卡（它自己的 DAZGame.ini 和关卡文件夹放在同一个文件夹里）
可以这样玩，这时所有文件都在那个文件夹里读写：
  jilan-llk --folder 关卡包所在的文件夹

每个关卡文件夹里有：
  setme.ini        关卡设置（MaxX 列数、MaxY 行数、PhotoSum 图片张数、
                   GBackColor 背景颜色、MediaName 音乐文件名、Particle 飘动效果 0～5）
  1.gif、2.gif……  牌的图片
  mb1.gif、mb2.gif 选中框和鼠标提示框
  gameback.jpg     背景图片（可以没有，没有时用背景颜色）

飘动效果：0 没有任何效果，1 漂落的鲜花，2 上升的泡泡，3 飞舞的花瓣，
          4 浮动的云彩，5 闪烁的星星。

祝你玩得开心！
)");
    text.chop(1); // the last line's end comes from WriteLines
    WriteLines(path, text.split(u'\n'), "\n");
}

void WriteCredits(const QString& path)
{
    QString text = QString::fromUtf8(R"(霁岚连连看 — sources of the shipped pictures, fonts and sounds
================================================================

Every picture of the shipped folder (levels/, Particle/) and every
picture built into the program was painted for this game by its own
generator, tools/datagen, with Qt's painter. No picture, sound or level
comes from any other game. The generator draws on these sources, all
from Debian's archive:

Noto Color Emoji (Debian package fonts-noto-color-emoji)
  Copyright 2013-2017 Google Inc.
  Font licensed under the SIL Open Font License 1.1; the Noto Emoji
  artwork it is built from is also published by Google under the Apache
  License 2.0. Its glyphs are rendered into the emoji on the tile faces
  of the levels, on the window icon and on the state pictures.

Noto Sans CJK SC and Noto Serif CJK SC (Debian package fonts-noto-cjk)
  Copyright Google and Adobe (Debian lists 2010-2012 Google Corporation).
  SIL Open Font License 1.1.
  Their glyphs are rendered into every Chinese text of the pictures: the
  window pictures, the characters and names on the tiles, the seal on
  the level backgrounds.

Qt 6 (Debian package qt6-base), LGPL 3: the painting library of the
generator; nothing of it is copied into the pictures.

The nine sound effects (sound/) and the five music pieces (media/) are
original work of this project, synthesised from scratch by the audio part
of the same generator (tools/datagen/audio_*.cpp): plucked strings by
Karplus-Strong waveguides, bells by FM synthesis, flutes and pads by
additive synthesis, melodies, chords and rhythms composed by the generator
from a seeded random source. Each piece lasts a little over three minutes
and is stored as Ogg Vorbis, encoded by oggenc (Debian package
vorbis-tools, BSD-style licence of Xiph.Org); the sound effects are wave
files. No recordings, samples or existing compositions are used.

No font file is shipped: the pictures hold rendered glyphs only. The
pictures, like the rest of the game, are released under the MIT licence
(LICENSE), with the fonts' terms where they apply; the SIL Open Font
License does not extend to documents made with a font, which these
pictures are. The full licence texts of the fonts are in
/usr/share/doc/fonts-noto-color-emoji/copyright and
/usr/share/doc/fonts-noto-cjk/copyright on a Debian system.
)");
    text.chop(1);
    WriteLines(path, text.split(u'\n'), "\n");
}

} // namespace daz::datagen

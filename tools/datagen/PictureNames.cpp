// The names a screen reader gives the shipped pictures (pictures.ini in
// each level folder): the everyday word for what the picture shows, in
// Chinese and in English. Within a level no two names are the same
// (the generator refuses a level where they are), and characters that
// sound alike are spoken apart, so that a player who plays by ear can tell
// every pair.
#include "PictureNames.h"

#include "Levels.h"

#include <map>
#include <stdexcept>

namespace daz::datagen {
namespace {

struct EmojiName {
    const char* symbol;
    const char* zh;
    const char* en;
};

// A character of the hanzi levels, named by itself; spoken is what a
// Chinese voice says instead where the character alone would sound like
// another of its level.
struct CharacterName {
    const char* character;
    const char* meaning;
    const char* spoken = nullptr;
};

// A family name; spoken and hint tell apart two that sound alike.
struct Surname {
    const char* character;
    const char* pinyin;
    const char* spoken = nullptr;
    const char* hint = nullptr;
};

struct CaptionName {
    const char* caption;
    const char* en;
};

// clang-format counts an emoji's width differently on each pass and never
// settles on a layout for this table: it keeps the one it has.
// clang-format off

// Each picture under the first level that shows it (the zodiac's are
// named by their captions).
const EmojiName kEmoji[] = {
    // 虫鸣草间 (insects)
    {"🐝", "蜜蜂", "bee"},
    {"🐞", "瓢虫", "ladybird"},
    {"🦋", "蝴蝶", "butterfly"},
    {"🐛", "毛毛虫", "caterpillar"},
    {"🐜", "蚂蚁", "ant"},
    {"🦗", "蟋蟀", "cricket"},
    {"🕷️", "蜘蛛", "spider"},
    {"🦂", "蝎子", "scorpion"},
    {"🐌", "蜗牛", "snail"},
    {"🪲", "甲虫", "beetle"},
    {"🦟", "蚊子", "mosquito"},
    {"🪱", "蚯蚓", "earthworm"},
    // 缤纷水果 (01-fruit)
    {"🥑", "牛油果", "avocado"},
    {"🍊", "橘子", "tangerine"},
    {"🍋", "柠檬", "lemon"},
    {"🍌", "香蕉", "banana"},
    {"🍉", "西瓜", "watermelon"},
    {"🍇", "葡萄", "grapes"},
    {"🍓", "草莓", "strawberry"},
    {"🍒", "樱桃", "cherries"},
    {"🍍", "菠萝", "pineapple"},
    {"🥝", "猕猴桃", "kiwi fruit"},
    {"🥥", "椰子", "coconut"},
    {"🫐", "蓝莓", "blueberries"},
    // 花团锦簇 (03-flowers)
    {"🌸", "樱花", "cherry blossom"},
    {"🌹", "玫瑰", "rose"},
    {"🌻", "向日葵", "sunflower"},
    {"🌷", "郁金香", "tulip"},
    {"💐", "花束", "bouquet"},
    {"🌿", "香草", "herb"},
    {"🪻", "风信子", "hyacinth"},
    {"🥀", "枯萎的花", "wilted flower"},
    {"🍁", "枫叶", "maple leaf"},
    {"🌺", "扶桑花", "hibiscus"},
    {"🌴", "棕榈树", "palm tree"},
    {"🍄", "蘑菇", "mushroom"},
    // 田园菜蔬 (garden)
    {"🥕", "胡萝卜", "carrot"},
    {"🌽", "玉米", "sweetcorn"},
    {"🥦", "西兰花", "broccoli"},
    {"🍆", "茄子", "aubergine"},
    {"🍅", "番茄", "tomato"},
    {"🌶️", "辣椒", "chilli"},
    {"🥔", "土豆", "potato"},
    {"🥒", "黄瓜", "cucumber"},
    {"🧄", "大蒜", "garlic"},
    {"🍠", "红薯", "sweet potato"},
    {"🥬", "青菜", "bok choy"},
    {"🫑", "青椒", "green pepper"},
    // 甜蜜时光 (05-sweets)
    {"🍰", "蛋糕", "slice of cake"},
    {"🎂", "生日蛋糕", "birthday cake"},
    {"🧁", "纸杯蛋糕", "cupcake"},
    {"🍩", "甜甜圈", "doughnut"},
    {"🍪", "曲奇", "cookie"},
    {"🍫", "巧克力", "chocolate"},
    {"🍬", "糖果", "sweet"},
    {"🍭", "棒棒糖", "lollipop"},
    {"🍮", "布丁", "pudding"},
    {"🍯", "蜂蜜", "honey"},
    {"🍦", "冰淇淋", "ice cream"},
    {"🍧", "刨冰", "shaved ice"},
    {"🍿", "爆米花", "popcorn"},
    // 茶香四溢 (drinks)
    {"☕", "咖啡", "coffee"},
    {"🥂", "碰杯", "clinking glasses"},
    {"🥤", "冷饮", "soft drink"},
    {"🧋", "奶茶", "bubble tea"},
    {"🍶", "清酒", "sake"},
    {"🍺", "啤酒", "beer"},
    {"🍹", "鸡尾酒", "cocktail"},
    {"🍼", "奶瓶", "baby's bottle"},
    {"🫖", "茶壶", "teapot"},
    {"🧉", "马黛茶", "mate"},
    {"🍾", "香槟", "champagne"},
    {"🧊", "冰块", "ice cube"},
    // 丝竹管弦 (music)
    {"🎸", "吉他", "guitar"},
    {"🎹", "钢琴", "piano"},
    {"🎺", "小号", "trumpet"},
    {"🎻", "小提琴", "violin"},
    {"🥁", "军鼓", "drum"},
    {"🪘", "手鼓", "hand drum"},
    {"📯", "号角", "horn"},
    {"🪗", "手风琴", "accordion"},
    {"🎤", "话筒", "microphone"},
    {"🎧", "耳机", "headphones"},
    {"🎼", "乐谱", "sheet music"},
    {"🎵", "音符", "musical note"},
    // 百鸟争鸣 (birds)
    {"🐦", "小鸟", "bird"},
    {"🦅", "老鹰", "eagle"},
    {"🦆", "鸭子", "duck"},
    {"🦢", "天鹅", "swan"},
    {"🦉", "猫头鹰", "owl"},
    {"🦩", "火烈鸟", "flamingo"},
    {"🦚", "孔雀", "peacock"},
    {"🦜", "鹦鹉", "parrot"},
    {"🐓", "公鸡", "rooster"},
    {"🐣", "破壳小鸡", "hatching chick"},
    {"🐧", "企鹅", "penguin"},
    {"🦃", "火鸡", "turkey"},
    {"🐔", "母鸡", "hen"},
    {"🪹", "鸟巢", "nest"},
    // 风云变幻 (07-weather)
    {"☀️", "太阳", "sun"},
    {"⛅", "多云", "cloudy sky"},
    {"🌧️", "雨云", "rain cloud"},
    {"☃️", "雪人", "snowman"},
    {"🌈", "彩虹", "rainbow"},
    {"☔", "雨伞", "umbrella"},
    {"🌊", "海浪", "wave"},
    {"🌋", "火山", "volcano"},
    {"🌙", "月牙", "crescent moon"},
    {"🌀", "台风", "typhoon"},
    {"🔥", "火焰", "fire"},
    {"🪁", "风筝", "kite"},
    {"🌅", "日出", "sunrise"},
    // 星际漫游 (space)
    {"🚀", "火箭", "rocket"},
    {"🛸", "飞碟", "flying saucer"},
    {"🌍", "地球", "Earth"},
    {"🌗", "半月", "half moon"},
    {"👾", "像素怪兽", "pixel monster"},
    {"🪐", "土星", "Saturn"},
    {"🔭", "望远镜", "telescope"},
    {"🛰️", "卫星", "satellite"},
    {"👽", "外星人", "alien"},
    {"🌌", "银河", "Milky Way"},
    {"🌠", "流星", "shooting star"},
    {"🌑", "新月", "new moon"},
    // 欢度佳节 (10-festival)
    {"🏮", "灯笼", "lantern"},
    {"🧧", "红包", "red envelope"},
    {"🧨", "鞭炮", "firecracker"},
    {"🎆", "烟花", "fireworks"},
    {"🐉", "巨龙", "dragon"},
    {"🥮", "月饼", "mooncake"},
    {"🀄", "麻将", "mahjong"},
    {"🐟", "小鱼", "fish"},
    {"🎉", "拉炮", "party popper"},
    {"🎁", "礼物", "present"},
    {"🎀", "蝴蝶结", "bow"},
    {"🪭", "扇子", "fan"},
    {"🥢", "筷子", "chopsticks"},
    // 草木葱茏 (plants)
    {"🌲", "松树", "pine tree"},
    {"🌳", "大树", "tree"},
    {"🌼", "小黄花", "yellow flower"},
    {"☘️", "三叶草", "shamrock"},
    {"🍀", "四叶草", "four-leaf clover"},
    {"🍂", "落叶", "fallen leaves"},
    {"🍃", "绿叶", "green leaves"},
    {"🌱", "幼苗", "seedling"},
    {"🪴", "盆栽", "potted plant"},
    {"🌾", "稻穗", "ears of rice"},
    {"🎍", "竹子", "bamboo"},
    // 海底世界 (04-sea)
    {"🐠", "热带鱼", "tropical fish"},
    {"🐡", "河豚", "pufferfish"},
    {"🦈", "鲨鱼", "shark"},
    {"🐙", "章鱼", "octopus"},
    {"🦑", "鱿鱼", "squid"},
    {"🦪", "牡蛎", "oyster"},
    {"🦞", "龙虾", "lobster"},
    {"🦐", "大虾", "prawn"},
    {"🐚", "贝壳", "seashell"},
    {"🐋", "鲸鱼", "whale"},
    {"🐬", "海豚", "dolphin"},
    {"🔱", "三叉戟", "trident"},
    {"🐢", "海龟", "turtle"},
    {"🪼", "水母", "jellyfish"},
    {"🦦", "水獭", "otter"},
    // 书香校园 (school)
    {"📚", "一摞书", "pile of books"},
    {"📖", "翻开的书", "open book"},
    {"🏫", "学校", "school"},
    {"🖊️", "钢笔", "pen"},
    {"📝", "便条", "memo"},
    {"🧬", "双螺旋", "DNA"},
    {"📐", "三角尺", "set square"},
    {"✂️", "剪刀", "scissors"},
    {"📎", "回形针", "paper clip"},
    {"📌", "图钉", "drawing pin"},
    {"🗂️", "文件夹", "card index"},
    {"📕", "课本", "textbook"},
    {"🧮", "算盘", "abacus"},
    {"🔬", "显微镜", "microscope"},
    {"🗺️", "地图", "map"},
    {"🌐", "地球仪", "globe"},
    {"🎓", "学士帽", "graduation cap"},
    // 名胜古迹 (buildings)
    {"🏯", "日式城楼", "Japanese castle"},
    {"🏰", "城堡", "castle"},
    {"🗼", "东京塔", "Tokyo Tower"},
    {"🗽", "自由女神", "Statue of Liberty"},
    {"🗿", "摩艾石像", "moai"},
    {"⛩️", "鸟居", "torii gate"},
    {"🕌", "清真寺", "mosque"},
    {"🕍", "犹太会堂", "synagogue"},
    {"🏠", "房子", "house"},
    {"🏡", "花园洋房", "house with garden"},
    {"🏢", "办公楼", "office block"},
    {"🏨", "酒店", "hotel"},
    {"🏪", "便利店", "corner shop"},
    {"🏭", "工厂", "factory"},
    {"🎢", "过山车", "roller coaster"},
    {"🛖", "茅屋", "hut"},
    {"🌉", "夜色大桥", "bridge at night"},
    {"🗻", "富士山", "Mount Fuji"},
    // 游戏人间 (games)
    {"🎲", "骰子", "dice"},
    {"🎯", "飞镖靶", "dartboard"},
    {"🎳", "保龄球", "bowling"},
    {"🎮", "游戏手柄", "game controller"},
    {"🕹️", "摇杆", "joystick"},
    {"🎰", "老虎机", "slot machine"},
    {"🧩", "拼图", "jigsaw piece"},
    {"♟️", "棋子", "chess piece"},
    {"🃏", "小丑牌", "joker"},
    {"🎴", "花牌", "flower cards"},
    {"🪀", "溜溜球", "yo-yo"},
    {"🧸", "泰迪熊", "teddy bear"},
    {"🪅", "彩罐", "piñata"},
    {"🪆", "套娃", "nesting dolls"},
    {"🎭", "面具", "theatre masks"},
    {"🎪", "马戏团", "circus tent"},
    {"🔮", "水晶球", "crystal ball"},
    // 农家小院 (farm)
    {"🐄", "奶牛", "cow"},
    {"🐖", "小猪", "pig"},
    {"🐑", "绵羊", "sheep"},
    {"🐏", "公羊", "ram"},
    {"🧺", "篮子", "basket"},
    {"🐕", "小狗", "dog"},
    {"🐈", "小猫", "cat"},
    {"🐎", "骏马", "horse"},
    {"🍎", "苹果", "apple"},
    {"🐂", "公牛", "ox"},
    {"🐫", "骆驼", "camel"},
    {"🚜", "拖拉机", "tractor"},
    // 数码时代 (tech)
    {"📱", "手机", "mobile phone"},
    {"💻", "笔记本电脑", "laptop"},
    {"🖥️", "台式电脑", "desktop computer"},
    {"⌨️", "键盘", "keyboard"},
    {"🖱️", "鼠标", "mouse"},
    {"🖨️", "打印机", "printer"},
    {"📷", "相机", "camera"},
    {"📹", "摄像机", "camcorder"},
    {"🎥", "电影机", "film camera"},
    {"📺", "电视", "television"},
    {"☎️", "电话", "telephone"},
    {"📟", "寻呼机", "pager"},
    {"💾", "软盘", "floppy disk"},
    {"💽", "迷你光盘", "minidisc"},
    {"🔋", "电池", "battery"},
    {"🔌", "插头", "plug"},
    {"💡", "灯泡", "light bulb"},
    {"📡", "卫星天线", "satellite dish"},
    {"⏰", "闹钟", "alarm clock"},
    {"⌚", "手表", "wristwatch"},
    // 锅碗瓢盆 (kitchen)
    {"🍳", "煎蛋", "fried egg"},
    {"🥘", "海鲜饭", "paella"},
    {"🍲", "炖菜", "stew"},
    {"🫕", "奶酪火锅", "fondue"},
    {"🥣", "汤碗", "bowl and spoon"},
    {"🥞", "煎饼", "pancakes"},
    {"🥐", "牛角包", "croissant"},
    {"🔪", "菜刀", "kitchen knife"},
    {"🧂", "盐罐", "salt"},
    {"🫙", "玻璃罐", "glass jar"},
    {"🥫", "罐头", "tin can"},
    {"🏺", "陶罐", "clay pot"},
    {"🍜", "面条", "noodles"},
    {"🥡", "外卖盒", "takeaway box"},
    {"🍞", "面包", "bread"},
    {"🍚", "米饭", "bowl of rice"},
    {"🍙", "饭团", "rice ball"},
    {"🫓", "大饼", "flatbread"},
    {"🧇", "华夫饼", "waffle"},
    // 衣橱百搭 (clothes)
    {"👕", "T恤", "T-shirt"},
    {"👖", "牛仔裤", "jeans"},
    {"👗", "连衣裙", "dress"},
    {"🥾", "登山靴", "hiking boot"},
    {"🥻", "纱丽", "sari"},
    {"👔", "领带", "tie"},
    {"🧥", "外套", "coat"},
    {"🩱", "泳衣", "swimsuit"},
    {"🧤", "手套", "gloves"},
    {"🧣", "围巾", "scarf"},
    {"👒", "遮阳帽", "sun hat"},
    {"🎩", "礼帽", "top hat"},
    {"🧢", "棒球帽", "baseball cap"},
    {"👑", "皇冠", "crown"},
    {"👟", "运动鞋", "trainer"},
    {"👠", "高跟鞋", "high heel"},
    {"👢", "长靴", "tall boot"},
    {"🩳", "短裤", "shorts"},
    {"👜", "手提包", "handbag"},
    {"🎒", "书包", "backpack"},
    {"👓", "眼镜", "glasses"},
    {"🕶️", "墨镜", "sunglasses"},
    // 百工巧匠 (tools)
    {"🔨", "锤子", "hammer"},
    {"🧵", "线轴", "thread"},
    {"📏", "直尺", "ruler"},
    {"🔑", "钥匙", "key"},
    {"🔗", "链环", "link"},
    {"⛓️", "铁链", "chain"},
    {"🔩", "螺栓", "nut and bolt"},
    {"⚙️", "齿轮", "gear"},
    {"🧰", "工具箱", "toolbox"},
    {"🪜", "梯子", "ladder"},
    {"🧱", "砖块", "bricks"},
    {"🪣", "水桶", "bucket"},
    {"🗜️", "夹钳", "clamp"},
    {"🪒", "剃刀", "razor"},
    {"⚒️", "锤镐", "hammer and pick"},
    {"🔦", "手电筒", "torch"},
    {"🧶", "毛线", "yarn"},
    {"🧯", "灭火器", "fire extinguisher"},
    {"🪤", "捕鼠器", "mousetrap"},
    {"🧲", "磁铁", "magnet"},
    {"🖌️", "画笔", "paintbrush"},
    {"🪡", "缝衣针", "sewing needle"},
    // 动物乐园 (06-animals)
    {"🐼", "熊猫", "panda"},
    {"🐨", "考拉", "koala"},
    {"🦁", "狮子", "lion"},
    {"🦊", "狐狸", "fox"},
    {"🐻", "狗熊", "bear"},
    {"🐮", "奶牛", "cow"},
    {"🐘", "大象", "elephant"},
    {"🦒", "长颈鹿", "giraffe"},
    {"🦓", "斑马", "zebra"},
    {"🐊", "鳄鱼", "crocodile"},
    {"🦖", "恐龙", "dinosaur"},
    {"🦘", "袋鼠", "kangaroo"},
    {"🦔", "刺猬", "hedgehog"},
    {"🐯", "老虎", "tiger"},
    {"🦇", "蝙蝠", "bat"},
    {"🦥", "树懒", "sloth"},
    // 美食天地 (12-food)
    {"🍔", "汉堡", "burger"},
    {"🍟", "薯条", "chips"},
    {"🍕", "披萨", "pizza"},
    {"🌭", "热狗", "hot dog"},
    {"🌮", "塔可", "taco"},
    {"🥗", "沙拉", "salad"},
    {"🍣", "寿司", "sushi"},
    {"🍱", "便当", "bento box"},
    {"🥟", "饺子", "dumpling"},
    {"🍤", "炸虾", "fried prawn"},
    {"🍗", "鸡腿", "chicken leg"},
    {"🍝", "意面", "spaghetti"},
    {"🧀", "奶酪", "cheese"},
    {"🥪", "三明治", "sandwich"},
    {"🥨", "椒盐卷饼", "pretzel"},
    {"🍡", "三色团子", "dango"},
    // 体育竞技 (09-sports)
    {"⚽", "足球", "football"},
    {"🏀", "篮球", "basketball"},
    {"🏈", "橄榄球", "American football"},
    {"⚾", "棒球", "baseball"},
    {"🎾", "网球", "tennis ball"},
    {"🏋️", "举重", "weightlifting"},
    {"🥏", "飞盘", "frisbee"},
    {"🎱", "台球", "pool ball"},
    {"🏓", "乒乓球", "table tennis"},
    {"🏇", "赛马", "horse racing"},
    {"🏒", "冰球", "ice hockey"},
    {"🏏", "板球", "cricket bat"},
    {"🥅", "球门", "goal"},
    {"⛳", "高尔夫", "golf flag"},
    {"🏹", "弓箭", "bow and arrow"},
    {"🎣", "鱼竿", "fishing rod"},
    {"🤿", "潜水镜", "diving mask"},
    {"🥊", "拳击手套", "boxing glove"},
    {"🥋", "柔道服", "judo suit"},
    {"🛹", "滑板", "skateboard"},
    {"🛼", "旱冰鞋", "roller skate"},
    {"⛸️", "冰刀", "ice skate"},
    {"🥌", "冰壶", "curling stone"},
    {"🎿", "滑雪板", "skis"},
    {"🏆", "奖杯", "trophy"},
    {"🥇", "金牌", "gold medal"},
    // 交通工具 (11-vehicles)
    {"🚗", "小汽车", "car"},
    {"🚐", "面包车", "minibus"},
    {"🚙", "越野车", "SUV"},
    {"🚌", "公交车", "bus"},
    {"🛞", "车轮", "wheel"},
    {"🚓", "警车", "police car"},
    {"🚑", "救护车", "ambulance"},
    {"🚒", "消防车", "fire engine"},
    {"🚃", "电车", "tram"},
    {"🚚", "货车", "lorry"},
    {"🏍️", "摩托车", "motorbike"},
    {"🛵", "电动车", "moped"},
    {"🚲", "自行车", "bicycle"},
    {"🛴", "滑板车", "kick scooter"},
    {"🚂", "蒸汽火车", "steam train"},
    {"🚄", "高铁", "high-speed train"},
    {"🚇", "地铁", "underground"},
    {"🚁", "直升机", "helicopter"},
    {"✈️", "飞机", "aeroplane"},
    {"⛵", "帆船", "sailing boat"},
    {"🚤", "快艇", "speedboat"},
    {"🚢", "轮船", "ship"},
    {"🏎️", "赛车", "racing car"},
    {"🚠", "缆车", "cable car"},
    {"🎈", "气球", "balloon"},
    {"🪂", "降落伞", "parachute"},
    // 百宝奇珍 (13-treasure)
    {"💎", "宝石", "gem"},
    {"🔒", "挂锁", "padlock"},
    {"✏️", "铅笔", "pencil"},
    {"💍", "戒指", "ring"},
    {"🎨", "调色板", "palette"},
    {"🧪", "试管", "test tube"},
    {"🌂", "雨伞", "umbrella"},
    {"⌛", "沙漏", "hourglass"},
};
// clang-format on

// The characters of 江山如画 and 汉字寻踪, in English "character 山
// (mountain)". 河 and 荷 sound alike (hé), and 乐 alone might be read lè
// or yuè like 月: a Chinese voice says which.
const CharacterName kCharacters[] = {
    {"江", "great river"},
    {"河", "river", "河流的河"},
    {"湖", "lake"},
    {"海", "sea"},
    {"岭", "ridge"},
    {"川", "stream"},
    {"林", "woods"},
    {"石", "stone"},
    {"田", "field"},
    {"泉", "spring"},
    {"岛", "island"},
    {"峰", "peak"},
    {"谷", "valley"},
    {"溪", "brook"},
    {"雪", "snow"},
    {"霜", "frost"},
    {"雾", "fog"},
    {"露", "dew"},
    {"虹", "rainbow"},
    {"电", "lightning"},
    {"沙", "sand"},
    {"草", "grass"},
    {"柳", "willow"},
    {"松", "pine"},
    {"鸟", "bird"},
    {"鱼", "fish"},
    {"马", "horse"},
    {"牛", "ox"},
    {"羊", "sheep"},
    {"舟", "boat"},
    {"竹", "bamboo"},
    {"梅", "plum blossom"},
    {"兰", "orchid"},
    {"菊", "chrysanthemum"},
    {"荷", "lotus", "荷花的荷"},
    {"福", "good fortune"},
    {"安", "peace"},
    {"喜", "joy"},
    {"春", "spring"},
    {"夏", "summer"},
    {"秋", "autumn"},
    {"冬", "winter"},
    {"山", "mountain"},
    {"水", "water"},
    {"火", "fire"},
    {"木", "wood"},
    {"金", "gold"},
    {"风", "wind"},
    {"雨", "rain"},
    {"光", "light"},
    {"花", "flower"},
    {"月", "moon"},
    {"龙", "dragon"},
    {"龟", "tortoise"},
    {"虎", "tiger"},
    {"鹤", "crane"},
    {"琴", "zither"},
    {"棋", "chess"},
    {"书", "book"},
    {"画", "painting"},
    {"茶", "tea"},
    {"心", "heart"},
    {"乐", "music", "音乐的乐"},
    {"云", "cloud"},
    {"星", "star"},
    {"门", "gate"},
    {"玉", "jade"},
};

// 百家姓氏, in English "surname Li (李)". 卫 and 魏 are both wèi, so
// both are said with the word that tells them apart; 蒋 and 姜 differ by
// tone only, which an English voice loses.
const Surname kSurnames[] = {
    {"赵", "Zhao"},  {"钱", "Qian"},
    {"孙", "Sun"},   {"李", "Li"},
    {"周", "Zhou"},  {"吴", "Wu"},
    {"郑", "Zheng"}, {"王", "Wang"},
    {"冯", "Feng"},  {"陈", "Chen"},
    {"褚", "Chu"},   {"卫", "Wei", "保卫的卫", "guard"},
    {"蒋", "Jiang"}, {"沈", "Shen"},
    {"韩", "Han"},   {"杨", "Yang"},
    {"朱", "Zhu"},   {"秦", "Qin"},
    {"尤", "You"},   {"许", "Xu"},
    {"何", "He"},    {"吕", "Lü"},
    {"施", "Shi"},   {"张", "Zhang"},
    {"孔", "Kong"},  {"曹", "Cao"},
    {"严", "Yan"},   {"华", "Hua"},
    {"金", "Jin"},   {"魏", "Wei", "魏国的魏", nullptr},
    {"谢", "Xie"},   {"姜", "Jiang", nullptr, "ginger"},
    {"戚", "Qi"},
};

// The zodiac's captions; the signs' English names are capitalised.
const CaptionName kCaptions[] = {
    {"鼠", "Rat"},   {"牛", "Ox"},   {"虎", "Tiger"},  {"兔", "Rabbit"},  {"龙", "Dragon"}, {"蛇", "Snake"},
    {"马", "Horse"}, {"羊", "Goat"}, {"猴", "Monkey"}, {"鸡", "Rooster"}, {"狗", "Dog"},    {"猪", "Pig"},
};

// Every name above by the text its picture is drawn from.
struct Index {
    std::map<QString, PictureName> emoji;
    std::map<QString, PictureName> characters;
    std::map<QString, PictureName> surnames;
    std::map<QString, PictureName> captions;
};

void Add(std::map<QString, PictureName>& index, const char* key, const QString& zh, const QString& en)
{
    if (!index.emplace(QString::fromUtf8(key), PictureName{zh, en}).second) {
        throw std::logic_error(std::string("picture names: ") + key + " is named twice");
    }
}

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

Index MakeIndex()
{
    Index index;
    for (const EmojiName& e : kEmoji) {
        Add(index.emoji, e.symbol, Text(e.zh), Text(e.en));
    }
    for (const CharacterName& c : kCharacters) {
        Add(index.characters, c.character, Text(c.spoken != nullptr ? c.spoken : c.character),
            QStringLiteral("character %1 (%2)").arg(Text(c.character), Text(c.meaning)));
    }
    for (const Surname& s : kSurnames) {
        const QString hint = s.hint != nullptr ? QStringLiteral(", ") + Text(s.hint) : QString();
        Add(index.surnames, s.character, Text(s.spoken != nullptr ? s.spoken : s.character),
            QStringLiteral("surname %1 (%2%3)").arg(Text(s.pinyin), Text(s.character), hint));
    }
    for (const CaptionName& c : kCaptions) {
        Add(index.captions, c.caption, Text(c.caption), Text(c.en));
    }
    return index;
}

} // namespace

std::vector<PictureName> PictureNames(const Level& level)
{
    static const Index index = MakeIndex();
    const bool captioned = !level.captions.isEmpty();
    const std::map<QString, PictureName>& names = captioned        ? index.captions
                                                  : level.surnames ? index.surnames
                                                  : level.hanzi    ? index.characters
                                                                   : index.emoji;
    std::vector<PictureName> found;
    for (int i = 0; i < level.PhotoSum(); ++i) {
        const QString drawn = captioned ? level.captions.value(i) : level.symbols.at(i);
        const auto name = names.find(drawn);
        if (name == names.end()) {
            throw std::logic_error(QStringLiteral("level %1: picture %2 (%3) has no name in PictureNames.cpp")
                                       .arg(level.folder)
                                       .arg(i + 1)
                                       .arg(drawn)
                                       .toStdString());
        }
        found.push_back(name->second);
    }
    return found;
}

} // namespace daz::datagen

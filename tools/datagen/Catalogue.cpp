// The levels shipped with the game. Each has its own theme, tile colours
// and frame; within a level no two pictures come close in outline or in
// colour (TileLikeness.h), so that they can be told apart at a glance even
// on the smallest tiles, also by players who see colour differently.
#include "Levels.h"
#include "Paint.h"

namespace daz::datagen {
namespace {

QStringList Split(const char* utf8)
{
    return QString::fromUtf8(utf8).split(u' ', Qt::SkipEmptyParts);
}

Level Make(const char* folder, const char* name, int maxX, int maxY, const char* symbols, TileStyle style,
           std::uint32_t board, Backdrop backdrop, const char* media, int particle)
{
    Level level;
    level.folder = QString::fromLatin1(folder);
    level.name = QString::fromUtf8(name);
    level.maxX = maxX;
    level.maxY = maxY;
    level.symbols = Split(symbols);
    level.style = style;
    level.board = Rgb(board);
    level.backdrop = backdrop;
    level.media = QString::fromLatin1(media);
    level.particle = particle;
    return level;
}

TileStyle Style(std::uint32_t back, std::uint32_t rim, std::uint32_t face, Frame frame, double tint = 0.06)
{
    return {Rgb(back), Rgb(rim), Rgb(face), tint, frame};
}

Level Hanzi(Level level)
{
    level.hanzi = true;
    return level;
}

Level Surnames(Level level)
{
    level.hanzi = true;
    level.surnames = true;
    return level;
}

// In catalogue order, which is the order of difficulty that
// tools/measure-levels reports. The folders of the first thirteen levels
// keep their names: players' catalogues refer to them.
std::vector<Level> Build()
{
    std::vector<Level> levels;

    // clang-format counts an emoji's width differently on each pass and
    // never settles on a layout for these lists: they keep the one they have.
    // clang-format off
    Level zodiac = Make("02-zodiac", "十二生肖", 8, 6, "🐭 🐂 🐯 🐰 🐲 🐍 🐴 🐑 🐵 🐓 🐶 🐗",
                        Style(0xc8372d, 0xa0522d, 0xffe0b0, Frame::Plain), 0x8e1b1b, Backdrop::RedPaper,
                        "lantern-festival.ogg", 3);
    zodiac.captions = Split("鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪");
    levels.push_back(zodiac);

    levels.push_back(Make(
        "insects", "虫鸣草间", 10, 6, "🐝 🐞 🦋 🐛 🐜 🦗 🕷️ 🦂 🐌 🪲 🦟 🪱",
        Style(0x6a9a2a, 0x557a22, 0xf0f8d8, Frame::Corners, 0.10), 0x33502a, Backdrop::Plain, "bamboo-breeze.ogg", 3));

    levels.push_back(Make("01-fruit", "缤纷水果", 8, 8, "🥑 🍊 🍋 🍌 🍉 🍇 🍓 🍒 🍍 🥝 🥥 🫐",
                          Style(0x4fa84a, 0x6b8e3a, 0xfff3c4, Frame::Plain), 0x2d6a55, Backdrop::Plain,
                          "tea-garden.ogg", 1));

    levels.push_back(
        Make("03-flowers", "花团锦簇", 10, 7, "🌸 🌹 🌻 🌷 💐 🌿 🪻 🥀 🍁 🌺 🌴 🍄",
             Style(0xd9669b, 0xb35a7a, 0xffe4ef, Frame::Dots), 0x5b3a6e, Backdrop::Plain, "bamboo-breeze.ogg", 1));

    levels.push_back(Make("garden", "田园菜蔬", 10, 8, "🥕 🌽 🥦 🍆 🍅 🌶️ 🥔 🥒 🧄 🍠 🥬 🫑",
                          Style(0x7a9a3a, 0x8a6a3a, 0xfaf0d8, Frame::Band), 0x4a3a22, Backdrop::Plain, "tea-garden.ogg",
                          0));

    levels.push_back(
        Make("05-sweets", "甜蜜时光", 12, 7, "🍰 🎂 🧁 🍩 🍪 🍫 🍬 🍭 🍮 🍯 🍦 🍧 🍿",
             Style(0xa8643c, 0x9a6b4f, 0xfff0e0, Frame::Ribbon), 0x7b3f5a, Backdrop::Plain, "tea-garden.ogg", 2));

    levels.push_back(Make("drinks", "茶香四溢", 12, 8, "☕ 🥂 🥤 🧋 🍶 🍺 🍹 🍼 🫖 🧉 🍾 🧊",
                          Style(0x8a5a2a, 0x6a4a2a, 0xf8ecd8, Frame::DoubleLine, 0.12), 0x3a2a1e, Backdrop::Velvet,
                          "moon-lake.ogg", 4));

    levels.push_back(Make("music", "丝竹管弦", 12, 9, "🎸 🎹 🎺 🎻 🥁 🪘 📯 🪗 🎤 🎧 🎼 🎵",
                          Style(0x3a3a6a, 0x2a2a4a, 0xeeeef8, Frame::Corners), 0x1e1e3a, Backdrop::Plain,
                          "starry-night.ogg", 5));

    levels.push_back(
        Make("birds", "百鸟争鸣", 14, 8, "🐦 🦅 🦆 🦢 🦉 🦩 🦚 🦜 🐓 🐣 🐧 🦃 🐔 🪹",
             Style(0x3a8a9a, 0x2a6a7a, 0xe8f6f8, Frame::Dots), 0x1e4a52, Backdrop::Sky, "bamboo-breeze.ogg", 3));

    levels.push_back(
        Make("07-weather", "风云变幻", 12, 10, "☀️ ⛅ 🌧️ ☃️ 🌈 ☔ 🌊 🌋 🌙 🌀 🔥 🪁 🌅",
             Style(0x4a90d9, 0x5a86b8, 0xa9d4f5, Frame::Plain, 0.08), 0x3d6fa8, Backdrop::Sky, "moon-lake.ogg", 4));

    levels.push_back(Make(
        "space", "星际漫游", 14, 9, "🚀 🛸 🌍 🌙 🌗 👾 🪐 ☀️ 🔭 🛰️ 👽 🌌 🌠 🌑",
        Style(0x2a2a5a, 0x6a6ab0, 0xe6e6ff, Frame::Band, 0.10), 0x0e0e26, Backdrop::Velvet, "starry-night.ogg", 5));

    levels.push_back(Make(
        "10-festival", "欢度佳节", 13, 10, "🏮 🧧 🧨 🎆 🐉 🥮 🀄 🐟 🎉 🎁 🎀 🪭 🫖 🥢 🪁",
        Style(0xd4a017, 0xb8860b, 0xfff3d0, Frame::Ribbon), 0x4a0d1a, Backdrop::Fireworks, "lantern-festival.ogg", 5));

    levels.push_back(Make(
        "plants", "草木葱茏", 14, 10, "🌲 🌳 🌴 🌼 🌿 ☘️ 🍀 🍁 🍂 🍃 🌱 🪴 🌻 🌾 🎍",
        Style(0x3a8a3a, 0x2a6a2a, 0xf0f8e8, Frame::Ribbon), 0x1e3a1e, Backdrop::Plain, "bamboo-breeze.ogg", 3));

    levels.push_back(Make(
        "04-sea", "海底世界", 16, 9, "🐠 🐟 🐡 🦈 🐙 🦑 🦪 🦞 🦐 🐚 🐋 🐬 🔱 🐢 🪼 🦦",
        Style(0x2a8ccf, 0x3b7fae, 0xdff3ff, Frame::Plain), 0x0d3b66, Backdrop::Ocean, "moon-lake.ogg", 2));

    levels.push_back(
        Make("school", "书香校园", 12, 12,
             "📚 📖 🏫 🖊️ 📝 🧬 📐 ✂️ 📎 📌 🗂️ 📕 🧮 🔬 🗺️ 🌐 🎓",
             Style(0x3a6ab0, 0x2a4a8a, 0xf2f6ff, Frame::Corners), 0x22324a, Backdrop::Plain, "bamboo-breeze.ogg", 0));

    levels.push_back(Make("buildings", "名胜古迹", 15, 10,
                          "🏯 🏰 🗼 🗽 🗿 ⛩️ 🕌 🕍 🏠 🏡 🏢 🏨 🏪 🏭 🎢 🛖 🌉 🗻",
                          Style(0x9a7a4a, 0x7a5a2a, 0xfaf2e2, Frame::Band), 0x3a3226, Backdrop::InkMountains,
                          "lantern-festival.ogg", 4));

    levels.push_back(
        Make("games", "游戏人间", 16, 10,
             "🎲 🎯 🎳 🎮 🕹️ 🎰 🧩 ♟️ 🃏 🀄 🎴 🪀 🪁 🧸 🪅 🪆 🎭 🎪 🔮",
             Style(0x5a3ab0, 0x4a2a8a, 0xf4efff, Frame::Dots), 0x261a4a, Backdrop::Plain, "starry-night.ogg", 5));

    levels.push_back(
        Make("farm", "农家小院", 14, 12,
             "🐄 🐖 🐑 🐏 🐓 🧺 🐕 🐈 🐎 🦆 🍎 🐂 🌻 🐫 🦃 🚜 🍯 🌽 🥕",
             Style(0xa07a3a, 0x7a5a2a, 0xfdf4dc, Frame::Ribbon), 0x5a4a2a, Backdrop::Plain, "tea-garden.ogg", 1));

    levels.push_back(Make(
        "tech", "数码时代", 16, 11,
        "📱 💻 🖥️ ⌨️ 🖱️ 🖨️ 📷 📹 🎥 📺 ☎️ 📟 💾 💽 🔋 🔌 💡 📡 ⏰ "
        "⌚",
        Style(0x2a7a8a, 0x1e5a6a, 0xeef8fa, Frame::DoubleLine), 0x14323a, Backdrop::Plain, "starry-night.ogg", 2));

    levels.push_back(Make(
        "kitchen", "锅碗瓢盆", 18, 10,
        "🍳 🥘 🍲 🫕 🥣 🥞 🧁 🥐 🔪 🥢 🧂 🫙 🥫 🏺 🍜 🥡 🍞 🍚 ☕ 🍙 🫓 "
        "🧇",
        Style(0xc07a3a, 0x9a5a2a, 0xfff6ea, Frame::Corners), 0x4a2e1a, Backdrop::Plain, "tea-garden.ogg", 0));

    levels.push_back(
        Make("clothes", "衣橱百搭", 15, 12,
             "👕 👖 👗 🥾 🥻 👔 🧥 🩱 🧤 🧣 👒 🎩 🧢 👑 👟 👠 👢 🩳 👜 🎒 👓 "
             "🕶️",
             Style(0xb0508a, 0x8a3a6a, 0xfbeaf4, Frame::DoubleLine), 0x4a1e3a, Backdrop::Plain, "tea-garden.ogg", 3));

    levels.push_back(
        Make("tools", "百工巧匠", 16, 12,
             "🔨 🧵 📏 🔑 🔗 ⛓️ 🔩 ⚙️ 🧰 🪜 🧱 🪣 🗜️ 🪒 ⚒️ 🔦 🧶 🧯 🪤 🧲 "
             "🖌️ 🪡 📐",
             Style(0x6a6a6a, 0x4a4a4a, 0xf2f2ee, Frame::Corners, 0.04), 0x2a2a2e, Backdrop::Plain, "moon-lake.ogg", 0));

    levels.push_back(Make(
        "06-animals", "动物乐园", 18, 11,
        "🐼 🐨 🦁 🦊 🐻 🐮 🐘 🦒 🦓 🐊 🦖 🦘 🦔 🦉 🦜 🐯 🦚 🐝 🦋 🐞 🐌 🦆 "
        "🦢 "
        "🦇 🦥",
        Style(0xe39b2f, 0xb07a34, 0xfff2d6, Frame::Plain), 0x4a6b3a, Backdrop::Plain, "bamboo-breeze.ogg", 1));

    levels.push_back(Make("12-food", "美食天地", 17, 12,
                          "🍔 🍟 🍕 🌭 🌮 🥗 🍜 🍣 🍱 🥟 🍙 🍤 🍗 🍳 🥐 🍝 🧀 🍉 🥪 🥨 🍡 🥡 🥕 "
                          "🌽 "
                          "🥦 "
                          "🍆 "
                          "🍅",
                          Style(0xd9583b, 0xb0513a, 0xfff1e4, Frame::Plain), 0x5a3a2a, Backdrop::Plain, "", 0));

    levels.push_back(
        Make("09-sports", "体育竞技", 18, 12,
             "⚽ 🏀 🏈 ⚾ 🎾 🏋️ 🥏 🎱 🏓 🏇 🏒 🏏 🥅 ⛳ 🏹 🎣 🤿 🥊 🥋 🛹 🛼 "
             "⛸️ "
             "🥌 "
             "🎿 🏆 🥇 🎯",
             Style(0xf08a24, 0xc0702a, 0xfff4e6, Frame::Band), 0x1f6f4a, Backdrop::Plain, "", 0));

    levels.push_back(Make("11-vehicles", "交通工具", 18, 12,
                          "🚗 🚐 🚙 🚌 🛞 🚓 🚑 🚒 🚃 🚚 🚜 🏍️ 🛵 🚲 🛴 🚂 🚄 🚇 🚁 ✈️ 🚀 🛸 ⛵ 🚤 🚢 "
                          "🏎️ "
                          "🚠 "
                          "🎈 "
                          "🪂",
                          Style(0x4a5bc4, 0x5a6794, 0xeef0ff, Frame::Plain), 0x3b4656, Backdrop::Plain, "moon-lake.ogg",
                          4));

    levels.push_back(Make("13-treasure", "百宝奇珍", 18, 12,
                          "🎸 🎹 💎 🥁 📷 📱 💡 🔑 🔒 ⏰ 📚 ✏️ ✂️ 📌 🧲 🎩 👑 💍 👓 🎒 👟 🧸 🧩 ♟️ 🎨 🔮 🧪 🔭 "
                          "🌂 "
                          "🎲 "
                          "🎮 "
                          "⌛",
                          Style(0x7a4fc4, 0x6a54a0, 0xf1eaff, Frame::Plain), 0x241a3d, Backdrop::Velvet,
                          "starry-night.ogg", 5));

    levels.push_back(
        Surnames(Make("surnames", "百家姓氏", 18, 12,
                      "赵 钱 孙 李 周 吴 郑 王 冯 陈 褚 卫 蒋 沈 韩 杨 朱 秦 尤 许 何 吕 施 张 孔 曹 严 华 金 魏 谢 姜 戚",
                      Style(0xa02a2a, 0x8a1e1e, 0xfff4e8, Frame::Band, 0.08), 0x3a1414, Backdrop::RedPaper,
                      "lantern-festival.ogg", 0)));

    levels.push_back(Hanzi(
        Make("landscape", "江山如画", 18, 12,
             "江 河 湖 海 岭 川 林 石 田 泉 岛 峰 谷 溪 雪 霜 雾 露 虹 电 沙 草 柳 松 鸟 鱼 马 牛 羊 舟 竹 梅 兰 菊 荷",
             Style(0x3a5a7a, 0x2a4a6a, 0xf4f6f0, Frame::Dots), 0x1a2632, Backdrop::InkMountains, "moon-lake.ogg", 4)));

    levels.push_back(Hanzi(Make("08-hanzi", "汉字寻踪", 18, 12,
                                "福 安 喜 春 夏 秋 冬 山 水 火 木 金 风 雨 光 花 月 龙 龟 虎 鹤 竹 梅 兰 菊 琴 棋 书 "
                                "画 茶 心 乐 云 星 门 玉 石 鱼 鸟 舟",
                                Style(0x2f7d6d, 0x5e6b5a, 0xf5efe0, Frame::DoubleLine), 0x2b3440,
                                Backdrop::InkMountains, "bamboo-breeze.ogg", 3)));
    // clang-format on
    return levels;
}

} // namespace

const std::vector<Level>& Catalogue()
{
    static const std::vector<Level> levels = Build();
    return levels;
}

} // namespace daz::datagen

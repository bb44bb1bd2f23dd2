// The levels shipped with the game. Each has its own theme; within a level
// no two pictures share both colour and outline, so that they can be told
// apart at a glance even on the smallest tiles.
#include "Levels.h"
#include "Paint.h"

namespace daz::datagen {
namespace {

QStringList Split(const char* utf8) { return QString::fromUtf8(utf8).split(u' ', Qt::SkipEmptyParts); }

Level Make(const char* folder, const char* name, int maxX, int maxY, const char* symbols,
           TileStyle style, std::uint32_t board, Backdrop backdrop, const char* media, int particle) {
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

TileStyle Style(std::uint32_t back, std::uint32_t rim, std::uint32_t face, double tint = 0.06) {
  return {Rgb(back), Rgb(rim), Rgb(face), tint};
}

std::vector<Level> Build() {
  std::vector<Level> levels;

  levels.push_back(Make("01-fruit", "缤纷水果", 8, 6,
                        "🍎 🍊 🍋 🍌 🍉 🍇 🍓 🍒 🍍 🥝 🥥 🫐",
                        Style(0x4fa84a, 0x6b8e3a, 0xfff3c4), 0x2d6a55, Backdrop::Plain,
                        "tea-garden.wav", 1));

  Level zodiac = Make("02-zodiac", "十二生肖", 10, 6,
                      "🐭 🐮 🐯 🐰 🐲 🐍 🐴 🐑 🐵 🐔 🐶 🐷",
                      Style(0xc8372d, 0xa0522d, 0xffe0b0), 0x8e1b1b, Backdrop::RedPaper,
                      "lantern-festival.wav", 3);
  zodiac.captions = Split("鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪");
  levels.push_back(zodiac);

  levels.push_back(Make("03-flowers", "花团锦簇", 10, 8,
                        "🌸 🌹 🌻 🌷 💐 🪷 🪻 🍀 🍁 🌵 🌴 🍄 🌾 🎋 🌰 🪴",
                        Style(0xd9669b, 0xb35a7a, 0xffe4ef), 0x5b3a6e, Backdrop::Plain,
                        "bamboo-breeze.wav", 1));

  levels.push_back(Make("04-sea", "海底世界", 12, 8,
                        "🐠 🐟 🐡 🦈 🐙 🦑 🦀 🦞 🦐 🐚 🐳 🐬 🦭 🐢 🪼 🦦 🐧 🪸 ⚓ 🌊 ⛵ 🏝️ 🦪 🛟",
                        Style(0x2a8ccf, 0x3b7fae, 0xdff3ff), 0x0d3b66, Backdrop::Ocean,
                        "moon-lake.wav", 2));

  levels.push_back(Make("05-sweets", "甜蜜时光", 12, 8,
                        "🍰 🎂 🧁 🍩 🍪 🍫 🍬 🍭 🍮 🍯 🍦 🍧 🍿 🍡 🥮 🧋",
                        Style(0xa8643c, 0x9a6b4f, 0xfff0e0), 0x7b3f5a, Backdrop::Plain,
                        "tea-garden.wav", 0));

  levels.push_back(Make("06-animals", "动物乐园", 14, 8,
                        "🐼 🐨 🦁 🦊 🐻 🐸 🐘 🦒 🦓 🦌 🦖 🦘 🦔 🦉 🦜 🦩 🦚 🐝 🦋 🐞 🐌 🦆 🦢 🦇 🦥 🐬 🦄 🐧",
                        Style(0xe39b2f, 0xb07a34, 0xfff2d6), 0x4a6b3a, Backdrop::Plain,
                        "bamboo-breeze.wav", 0));

  levels.push_back(Make("07-weather", "风云变幻", 12, 10,
                        "☀️ ⛅ 🌧️ 🌩️ ❄️ ☃️ 🌈 ☔ ⚡ 💧 🌙 ⭐ 🌡️ 🌀 🔥 🍃 🪁 🌅 🧣 🌊",
                        Style(0x4a90d9, 0x5a86b8, 0xa9d4f5, 0.16), 0x3d6fa8, Backdrop::Sky,
                        "moon-lake.wav", 4));

  Level hanzi = Make("08-hanzi", "汉字寻踪", 14, 10,
                     "福 寿 喜 春 夏 秋 冬 山 水 火 木 金 风 雨 光 花 月 龙 龟 虎 鹤 竹 梅 兰 菊 琴 棋 书 画 茶 心 乐 云 星 门",
                     Style(0x2f7d6d, 0x5e6b5a, 0xf5efe0), 0x2b3440, Backdrop::InkMountains,
                     "bamboo-breeze.wav", 3);
  hanzi.hanzi = true;
  levels.push_back(hanzi);

  levels.push_back(Make("09-sports", "体育竞技", 16, 10,
                        "⚽ 🏀 🏈 ⚾ 🎾 🏋️ 🥏 🎱 🏓 🏇 🏒 🏏 🥅 ⛳ 🏹 🎣 🤿 🥊 🥋 🛹 🛼 ⛸️ 🥌 🎿 🏆 🥇 🎯 🪁 🎳 🛷 🚴 🏄",
                        Style(0xf08a24, 0xc0702a, 0xfff4e6), 0x1f6f4a, Backdrop::Plain,
                        "", 0));

  levels.push_back(Make("10-festival", "欢度佳节", 14, 12,
                        "🏮 🧧 🧨 🎆 🐉 🥮 🀄 🐟 🎉 🎁 🎀 🪭 🫖 🥢 🪁 🔔 🪙 💰 🍡 🍑 🍊",
                        Style(0xd4a017, 0xb8860b, 0xfff3d0), 0x4a0d1a, Backdrop::Fireworks,
                        "lantern-festival.wav", 5));

  levels.push_back(Make("11-vehicles", "交通工具", 16, 12,
                        "🚗 🚕 🚙 🚌 🛞 🚓 🚑 🚒 🚃 🚚 🚜 🏍️ 🛵 🚲 🛴 🚂 🚄 🚇 🚁 ✈️ 🚀 🛸 ⛵ 🚤 🚢 🛶 🚠 🎈 🪂 🛺 🚦 ⛽",
                        Style(0x4a5bc4, 0x5a6794, 0xeef0ff), 0x3b4656, Backdrop::Plain,
                        "tea-garden.wav", 4));

  levels.push_back(Make("12-food", "美食天地", 18, 10,
                        "🍔 🍟 🍕 🌭 🌮 🥗 🍜 🍣 🍱 🥟 🍙 🍤 🍗 🍳 🥐 🍝 🧀 🍉 🥓 🥞 🍡 🥡 🥕 🌽 🥦 🍆 🍅 🌶️ 🥔 🥑",
                        Style(0xd9583b, 0xb0513a, 0xfff1e4), 0x5a3a2a, Backdrop::Plain,
                        "", 0));

  levels.push_back(Make("13-treasure", "百宝奇珍", 18, 12,
                        "🎸 🎹 🎺 🥁 📷 📱 💡 🔑 🔒 ⏰ 📚 ✏️ ✂️ 📌 🧲 🎩 👑 💍 👓 🎒 👟 🧸 🧩 ♟️ 🎨 🔮 🧪 🔭 🌂 🎲 🎮 ⌛ 🎈 🎧 🪁 🪆",
                        Style(0x7a4fc4, 0x6a54a0, 0xf1eaff), 0x241a3d, Backdrop::Velvet,
                        "starry-night.wav", 5));
  return levels;
}

} // namespace

const std::vector<Level>& Catalogue() {
  static const std::vector<Level> levels = Build();
  return levels;
}

} // namespace daz::datagen

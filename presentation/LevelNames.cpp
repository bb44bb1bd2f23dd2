#include "LevelNames.h"

#include <QCoreApplication>

namespace daz {
namespace {

struct ShippedLevel {
    const char* path; // MenuPath<n> of the shipped catalogue
    const char* name; // MenuName<n>, the source text of the translations
};

// The shipped catalogue (data/DAZGame.ini), in its order.
constexpr ShippedLevel kShippedLevels[] = {
    {"\\levels\\02-zodiac\\", QT_TRANSLATE_NOOP("LevelNames", "十二生肖")},
    {"\\levels\\insects\\", QT_TRANSLATE_NOOP("LevelNames", "虫鸣草间")},
    {"\\levels\\01-fruit\\", QT_TRANSLATE_NOOP("LevelNames", "缤纷水果")},
    {"\\levels\\03-flowers\\", QT_TRANSLATE_NOOP("LevelNames", "花团锦簇")},
    {"\\levels\\garden\\", QT_TRANSLATE_NOOP("LevelNames", "田园菜蔬")},
    {"\\levels\\05-sweets\\", QT_TRANSLATE_NOOP("LevelNames", "甜蜜时光")},
    {"\\levels\\drinks\\", QT_TRANSLATE_NOOP("LevelNames", "茶香四溢")},
    {"\\levels\\music\\", QT_TRANSLATE_NOOP("LevelNames", "丝竹管弦")},
    {"\\levels\\birds\\", QT_TRANSLATE_NOOP("LevelNames", "百鸟争鸣")},
    {"\\levels\\07-weather\\", QT_TRANSLATE_NOOP("LevelNames", "风云变幻")},
    {"\\levels\\space\\", QT_TRANSLATE_NOOP("LevelNames", "星际漫游")},
    {"\\levels\\10-festival\\", QT_TRANSLATE_NOOP("LevelNames", "欢度佳节")},
    {"\\levels\\plants\\", QT_TRANSLATE_NOOP("LevelNames", "草木葱茏")},
    {"\\levels\\04-sea\\", QT_TRANSLATE_NOOP("LevelNames", "海底世界")},
    {"\\levels\\school\\", QT_TRANSLATE_NOOP("LevelNames", "书香校园")},
    {"\\levels\\buildings\\", QT_TRANSLATE_NOOP("LevelNames", "名胜古迹")},
    {"\\levels\\games\\", QT_TRANSLATE_NOOP("LevelNames", "游戏人间")},
    {"\\levels\\farm\\", QT_TRANSLATE_NOOP("LevelNames", "农家小院")},
    {"\\levels\\tech\\", QT_TRANSLATE_NOOP("LevelNames", "数码时代")},
    {"\\levels\\kitchen\\", QT_TRANSLATE_NOOP("LevelNames", "锅碗瓢盆")},
    {"\\levels\\clothes\\", QT_TRANSLATE_NOOP("LevelNames", "衣橱百搭")},
    {"\\levels\\tools\\", QT_TRANSLATE_NOOP("LevelNames", "百工巧匠")},
    {"\\levels\\06-animals\\", QT_TRANSLATE_NOOP("LevelNames", "动物乐园")},
    {"\\levels\\12-food\\", QT_TRANSLATE_NOOP("LevelNames", "美食天地")},
    {"\\levels\\09-sports\\", QT_TRANSLATE_NOOP("LevelNames", "体育竞技")},
    {"\\levels\\11-vehicles\\", QT_TRANSLATE_NOOP("LevelNames", "交通工具")},
    {"\\levels\\13-treasure\\", QT_TRANSLATE_NOOP("LevelNames", "百宝奇珍")},
    {"\\levels\\surnames\\", QT_TRANSLATE_NOOP("LevelNames", "百家姓氏")},
    {"\\levels\\landscape\\", QT_TRANSLATE_NOOP("LevelNames", "江山如画")},
    {"\\levels\\08-hanzi\\", QT_TRANSLATE_NOOP("LevelNames", "汉字寻踪")},
};

} // namespace

QString LevelName(const CatalogueEntry& entry)
{
    for (const ShippedLevel& level : kShippedLevels) {
        if (entry.path == QLatin1String(level.path) && entry.name == QString::fromUtf8(level.name)) {
            return QCoreApplication::translate("LevelNames", level.name);
        }
    }
    return entry.name;
}

} // namespace daz

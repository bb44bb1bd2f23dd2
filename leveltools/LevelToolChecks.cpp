#include "LevelToolChecks.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>

#include "leveldata/Conversions.h"

namespace daz {
namespace {

// The context of these words for translators.
class Words {
    Q_DECLARE_TR_FUNCTIONS(daz::LevelToolChecks)
};

// A text of the tables below, marked with QT_TRANSLATE_NOOP, translated.
QString Text(const char* source)
{
    return Words::tr(source);
}

struct SideTexts {
    const char* empty;
    const char* notNumber;
    const char* outOfRange;
};

// The two sides are asked for with their own texts.
constexpr SideTexts kColumns{
    QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片横向卡片排列数！"),
    QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片横向卡片排列数只能是数字！"),
    QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片横向卡片排列数只能是大于0小于20的正整数！")};
constexpr SideTexts kRows{QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片纵向卡片排列数！"),
                          QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片纵向卡片排列数只能是数字！"),
                          QT_TRANSLATE_NOOP("daz::LevelToolChecks", "图片纵向卡片排列数只能是大于0小于20的正整数！")};

std::optional<Refusal> CheckSide(const QString& text, const SideTexts& texts, ToolField field)
{
    if (text.isEmpty()) {
        return Refusal{Text(texts.empty), field, false};
    }
    const auto number = FieldNumber(text);
    if (!number) {
        return Refusal{Text(texts.notNumber), field, true};
    }
    if (!IsWhole(*number) || *number < 1 || *number > kLargestBoardSide) {
        return Refusal{Text(texts.outOfRange), field, true};
    }
    return std::nullopt;
}

// Control characters: U+0000 … U+001F (line breaks and tabs among them) and
// U+007F. A NUL would cut the folder's name short on the file system.
bool HasControlCharacter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

std::optional<double> FieldNumber(QStringView text)
{
    return ToNumber(text);
}

bool IsWhole(double number)
{
    return number >= 0 && std::trunc(number) == number;
}

bool IsEven(double number)
{
    return std::trunc(number / 2) == number / 2;
}

std::optional<Refusal> CheckBoardSize(const QString& maxX, const QString& maxY)
{
    if (auto refusal = CheckSide(maxX, kColumns, ToolField::MaxX)) {
        return refusal;
    }
    return CheckSide(maxY, kRows, ToolField::MaxY);
}

QString OddBoardMessage()
{
    return Words::tr("图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！");
}

QString LevelNameProblem(const QString& name)
{
    static const QString kRefused = QStringLiteral("\\/:[]=");
    const bool badCharacter = std::any_of(name.begin(), name.end(), [](QChar c) { return kRefused.contains(c); });
    const bool blankAtEnd = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
    if (badCharacter || HasControlCharacter(name) || name.contains(QStringLiteral("..")) || name == QStringLiteral(".")
        || blankAtEnd) {
        return Words::tr("关卡名称中不能有 \\ / : [ ] = 这些字符、两个连续的点“..”、换行或其他控制字符，"
                         "开头和结尾也不能是空格，请改一个！");
    }
    return {};
}

QString MakerNameProblem(const QString& maker)
{
    if (maker.contains(u'[') || maker.contains(u']') || HasControlCharacter(maker)) {
        return Words::tr("制作者名称中不能有 [ ] 这些字符、换行或其他控制字符，请改一个！");
    }
    return {};
}

FileFilter PictureFilter()
{
    return {Words::tr("图片文件"),
            {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.jpeg")}};
}

// The game's own pieces are Ogg Vorbis: the dialog shows them too, so a
// level can be given one of them.
FileFilter MusicFilter()
{
    return {Words::tr("媒体文件"),
            {QStringLiteral("*.mp3"), QStringLiteral("*.mid"), QStringLiteral("*.midi"), QStringLiteral("*.wav"),
             QStringLiteral("*.ogg")}};
}

QString LinkLeadingOutMessage(const QString& link)
{
    return Words::tr("“%1”是一个通向游戏文件夹以外的符号链接，游戏不会经由它写入文件。\n"
                     "请把它换成一个普通的文件夹，再试一次。")
        .arg(QDir::toNativeSeparators(link));
}

QStringList ParticleEffectNames()
{
    static constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "没有任何效果"),
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "漂落的鲜花"),
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "上升的泡泡"),
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "飞舞的花瓣"),
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "浮动的云彩"),
        QT_TRANSLATE_NOOP("daz::LevelToolChecks", "闪烁的星星"),
    };
    QStringList names;
    for (const char* name : kNames) {
        names << Text(name);
    }
    return names;
}

} // namespace daz

#include "LevelToolChecks.h"

#include <QDir>

#include <algorithm>
#include <cmath>

#include "leveldata/Conversions.h"

namespace daz {
namespace {

struct SideTexts {
    const char16_t* empty;
    const char16_t* notNumber;
    const char16_t* outOfRange;
};

// The two sides are asked for with their own texts.
constexpr SideTexts kColumns{u"图片横向卡片排列数！", u"图片横向卡片排列数只能是数字！",
                             u"图片横向卡片排列数只能是大于0小于20的正整数！"};
constexpr SideTexts kRows{u"图片纵向卡片排列数！", u"图片纵向卡片排列数只能是数字！",
                          u"图片纵向卡片排列数只能是大于0小于20的正整数！"};

std::optional<Refusal> CheckSide(const QString& text, const SideTexts& texts, ToolField field)
{
    if (text.isEmpty())
        return Refusal{QString::fromUtf16(texts.empty), field, false};
    const auto number = FieldNumber(text);
    if (!number)
        return Refusal{QString::fromUtf16(texts.notNumber), field, true};
    if (!IsWhole(*number) || *number < 1 || *number > kLargestBoardSide)
        return Refusal{QString::fromUtf16(texts.outOfRange), field, true};
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
    if (auto refusal = CheckSide(maxX, kColumns, ToolField::MaxX))
        return refusal;
    return CheckSide(maxY, kRows, ToolField::MaxY);
}

QString OddBoardMessage()
{
    return QStringLiteral("图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！");
}

QString LevelNameProblem(const QString& name)
{
    static const QString kRefused = QStringLiteral("\\/:[]=");
    const bool badCharacter = std::any_of(name.begin(), name.end(), [](QChar c) { return kRefused.contains(c); });
    const bool blankAtEnd = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
    if (badCharacter || HasControlCharacter(name) || name.contains(QStringLiteral("..")) || name == QStringLiteral(".")
        || blankAtEnd)
        return QStringLiteral("关卡名称中不能有 \\ / : [ ] = 这些字符、两个连续的点“..”、换行或其他控制字符，"
                              "开头和结尾也不能是空格，请改一个！");
    return {};
}

QString MakerNameProblem(const QString& maker)
{
    if (maker.contains(u'[') || maker.contains(u']') || HasControlCharacter(maker))
        return QStringLiteral("制作者名称中不能有 [ ] 这些字符、换行或其他控制字符，请改一个！");
    return {};
}

FileFilter PictureFilter()
{
    return {QStringLiteral("图片文件"),
            {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.jpeg")}};
}

// The game's own pieces are Ogg Vorbis: the dialog shows them too, so a
// level can be given one of them.
FileFilter MusicFilter()
{
    return {QStringLiteral("媒体文件"),
            {QStringLiteral("*.mp3"), QStringLiteral("*.mid"), QStringLiteral("*.midi"), QStringLiteral("*.wav"),
             QStringLiteral("*.ogg")}};
}

QString LinkLeadingOutMessage(const QString& link)
{
    return QStringLiteral("“%1”是一个通向游戏文件夹以外的符号链接，游戏不会经由它写入文件。\n"
                          "请把它换成一个普通的文件夹，再试一次。")
        .arg(QDir::toNativeSeparators(link));
}

QStringList ParticleEffectNames()
{
    return {QStringLiteral("没有任何效果"), QStringLiteral("漂落的鲜花"), QStringLiteral("上升的泡泡"),
            QStringLiteral("飞舞的花瓣"),   QStringLiteral("浮动的云彩"), QStringLiteral("闪烁的星星")};
}

} // namespace daz

#include "Conversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace daz {
namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanks(QStringView text)
{
    while (!text.isEmpty() && IsBlank(text.front())) {
        text = text.mid(1);
    }
    while (!text.isEmpty() && IsBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// The text as ASCII, or empty when it holds anything else; numbers are
// written in ASCII, and std::from_chars wants bytes.
std::string Ascii(QStringView text)
{
    std::string out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 0x7f) {
            return {};
        }
        out.push_back(static_cast<char>(c.unicode()));
    }
    return out;
}

// Splits off a leading sign; from_chars accepts only "-" and only for
// signed types, so the sign is handled here for every format.
bool TakeSign(std::string& digits)
{
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.erase(0, 1);
    }
    return negative;
}

// Exact conversion of an optional sign followed by decimal digits only.
std::optional<std::int64_t> ExactWhole(const std::string& text)
{
    std::string digits = text;
    const bool negative = TakeSign(digits);
    if (digits.empty()) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    // Parse as unsigned magnitude so the most negative value fits too.
    std::uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > kMax + 1) {
            return std::nullopt;
        }
        return magnitude == kMax + 1 ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMax) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(magnitude);
}

template <typename Int>
std::optional<Int> ToWhole(QStringView text)
{
    const std::string ascii = Ascii(TrimBlanks(text));
    if (auto exact = ExactWhole(ascii)) {
        if (*exact < std::numeric_limits<Int>::min() || *exact > std::numeric_limits<Int>::max()) {
            return std::nullopt;
        }
        return static_cast<Int>(*exact);
    }
    const auto number = ToNumber(text);
    if (!number) {
        return std::nullopt;
    }
    // nearbyint rounds in the default mode: to nearest, halves to even.
    const double rounded = std::nearbyint(*number);
    // Compare in double: both bounds of every type used here are exact
    // doubles except the upper bound of 64 bits, whose double is 2^63 and
    // therefore already out of range.
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded >= -static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<double> ToNumber(QStringView text)
{
    std::string ascii = Ascii(TrimBlanks(text));
    const bool negative = TakeSign(ascii);
    // A number starts with a digit or a decimal point; this also keeps out
    // "inf", "nan" and a second sign, which from_chars would take.
    if (ascii.empty() || !(ascii.front() == '.' || (ascii.front() >= '0' && ascii.front() <= '9'))) {
        return std::nullopt;
    }
    double value = 0;
    auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::general);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> ToInt16(QStringView text)
{
    return ToWhole<std::int16_t>(text);
}
std::optional<std::int32_t> ToInt32(QStringView text)
{
    return ToWhole<std::int32_t>(text);
}
std::optional<std::int64_t> ToInt64(QStringView text)
{
    return ToWhole<std::int64_t>(text);
}

std::optional<bool> ToBoolean(QStringView text)
{
    const QStringView trimmed = TrimBlanks(text);
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (auto number = ToNumber(trimmed)) {
        return *number != 0;
    }
    return std::nullopt;
}

} // namespace daz

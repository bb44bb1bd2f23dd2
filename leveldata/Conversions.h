#pragma once

#include <cstdint>
#include <optional>

#include <QStringView>

namespace daz {

// Conversions of the texts read from the settings files to the numbers and
// switches the program works with. They accept what a person may have typed
// into such a file: blanks (spaces and tabs) around the number, a sign, a
// fractional part and an exponent ("12", " 12 ", "+12", "12.0", "1.2E1").
// Integer conversions round a fractional part to the nearest whole number,
// halves to the even one (2.5 → 2, 3.5 → 4). Anything else — empty text,
// letters, hexadecimal, a number outside the target's range — gives nothing,
// and the caller decides what a bad value means.

// The text as a number, if it is one.
std::optional<double> ToNumber(QStringView text);

// Counts, sizes and level numbers (16-bit).
std::optional<std::int16_t> ToInt16(QStringView text);

// Colour values &H00BBGGRR and other 32-bit numbers; negative values
// (system colours) are valid.
std::optional<std::int32_t> ToInt32(QStringView text);

// The score. Plain whole numbers are converted exactly over the full
// 64-bit range, not through a double.
std::optional<std::int64_t> ToInt64(QStringView text);

// A switch: "True" and "False" in any letter case, or a number, where 0 is
// off and every other number on ("-1" is how a switch set to on is often
// stored).
std::optional<bool> ToBoolean(QStringView text);

} // namespace daz

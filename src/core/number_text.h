#pragma once
// Reading and writing numbers as the program's texts hold them: "." is the
// decimal separator whatever the user's locale, and shown numbers round half
// away from zero.

#include <optional>
#include <string>
#include <string_view>

namespace qvk {

// A decimal number: optional blanks, an optional sign, digits with an optional
// point (".5" and "5." count), an optional exponent, optional blanks. Anything
// else, no digit at all, or a value beyond a double's range is not a number.
std::optional<long double> parseDecimal(std::string_view text);

// A whole number: optional leading blanks, an optional sign, then digits and
// nothing after them ("[ 5]" reads, "[5 ]" does not).
std::optional<long long> parseWholeNumber(std::string_view text);

// value with exactly `decimals` decimals ("0.0" is formatFixed(v, 1)). The value
// is first taken to 15 significant digits, then rounded half away from zero, so
// binary noise cannot tip a half: 0.15 (0.1499999... in binary) shows 0.2,
// 44.25 shows 44.3 and 359.96 shows 360.0.
std::string formatFixed(long double value, int decimals);

// The whole-number pattern "##,##0": rounded as formatFixed, with the
// separator between groups of three digits (none when separator is 0).
std::string formatGrouped(long double value, char separator = ',');

// 0 to 99 as two digits ("07"); other values in their shortest form.
std::string twoDigits(long long value);

}  // namespace qvk

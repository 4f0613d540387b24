#include "core/number_text.h"

#include "core/byte_text.h"

#include <charconv>
#include <cmath>

namespace qvk {
namespace {

constexpr int kSignificantDigits = 15;  // what a double holds reliably

using text::isDigit;

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Length of the longest prefix of `text` that has the shape of a decimal
// number; 0 when there is none.
std::size_t decimalShapeLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && isDigit(text[j])) ++j;
        if (j == exponentStart) return 0;
        i = j;
    }
    return i;
}

}  // namespace

std::optional<long double> parseDecimal(std::string_view text)
{
    text = trimBlanks(text);
    if (decimalShapeLength(text) != text.size() || text.empty()) return std::nullopt;
    // from_chars takes no "+" and no leading point, so hand it a tidied copy
    std::string tidy(text.front() == '+' ? text.substr(1) : text);
    bool negative = !tidy.empty() && tidy.front() == '-';
    if (negative) tidy.erase(0, 1);
    if (tidy.front() == '.') tidy.insert(tidy.begin(), '0');
    long double value = 0;
    const auto [end, error] = std::from_chars(tidy.data(), tidy.data() + tidy.size(), value);
    // beyond a double's range is no number for the program: every position and
    // offset ends up in a double
    if (error != std::errc() || end != tidy.data() + tidy.size() || !std::isfinite(static_cast<double>(value)))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<long long> parseWholeNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string formatFixed(long double value, int decimals)
{
    const bool negative = std::signbit(value);
    // d.dddde±x: the value's significant digits
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                       kSignificantDigits - 1);
    std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'), scientific.data() + scientific.size(),
                    exponent);

    // digits[0] stands for 10^exponent; keep those down to 10^-decimals
    const int kept = exponent + 1 + decimals;
    std::string rounded;  // the kept digits, as a whole number of 10^-decimals
    if (kept >= static_cast<int>(digits.size())) {
        rounded = digits + std::string(static_cast<std::size_t>(kept) - digits.size(), '0');
    } else if (kept >= 0) {
        rounded = digits.substr(0, static_cast<std::size_t>(kept));
        if (digits[static_cast<std::size_t>(kept)] >= '5') {
            int i = kept - 1;
            for (; i >= 0 && rounded[static_cast<std::size_t>(i)] == '9'; --i)
                rounded[static_cast<std::size_t>(i)] = '0';
            if (i >= 0)
                ++rounded[static_cast<std::size_t>(i)];
            else
                rounded.insert(rounded.begin(), '1');
        }
    }
    if (rounded.size() < static_cast<std::size_t>(decimals) + 1)
        rounded.insert(0, static_cast<std::size_t>(decimals) + 1 - rounded.size(), '0');
    const auto wholeLength = rounded.size() - static_cast<std::size_t>(decimals);
    std::string text = rounded.substr(0, wholeLength);
    if (decimals > 0) {
        text += '.';
        text += rounded.substr(wholeLength);
    }
    const bool zero = rounded.find_first_not_of('0') == std::string::npos;
    return negative && !zero ? "-" + text : text;
}

std::string formatGrouped(long double value, char separator)
{
    std::string whole = formatFixed(value, 0);
    if (separator == 0) return whole;
    const std::size_t firstDigit = whole.front() == '-' ? 1 : 0;
    for (auto i = static_cast<long long>(whole.size()) - 3; i > static_cast<long long>(firstDigit); i -= 3)
        whole.insert(static_cast<std::size_t>(i), 1, separator);
    return whole;
}

std::string twoDigits(long long value)
{
    if (value >= 0 && value < 10) return {'0', static_cast<char>('0' + value)};
    return std::to_string(value);
}

}  // namespace qvk

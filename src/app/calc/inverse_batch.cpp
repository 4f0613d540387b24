#include "app/calc/inverse_batch.h"

#include "app/calc/line_batch.h"
#include "core/byte_text.h"
#include "core/geodesic.h"

#include <charconv>
#include <cmath>

namespace qvk::calc {
namespace {

constexpr std::size_t kQuotedLength = 40;

std::string quoted(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += text.substr(0, kQuotedLength);
    quoted += text.size() > kQuotedLength ? "...'" : "'";
    return quoted;
}

// Appends value with `decimals` decimals (value*10^decimals must fit 63 bits).
void appendFixed(std::string& out, long double value, int decimals)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    long long scaled = std::llround(value * static_cast<long double>(scale));
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, scaled / scale).ptr;
    out.append(digits, end);
    out += '.';
    end = std::to_chars(digits, digits + sizeof digits, scaled % scale).ptr;
    out.append(static_cast<std::size_t>(decimals) - static_cast<std::size_t>(end - digits), '0');
    out.append(digits, end);
}

bool parseField(std::string_view field, double& value)
{
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

}  // namespace

std::string inverseLine(std::string_view line, std::string& error)
{
    double numbers[4];
    int count = 0;
    for (const std::string_view field : text::blankSeparatedWords(line)) {
        if (count == 4) {
            error = "more than 4 numbers";
            return {};
        }
        if (!parseField(field, numbers[count])) {
            error = quoted(field) + " is not a number";
            return {};
        }
        ++count;
    }
    if (count < 4) {
        error = "expected 4 numbers (LAT1 LON1 LAT2 LON2), found " + std::to_string(count);
        return {};
    }
    for (int k : {0, 2})
        if (std::fabs(numbers[k]) > 90) {
            error = "latitude " + std::string(quoted(std::to_string(numbers[k]))) + " is beyond 90 degrees";
            return {};
        }
    for (int k : {1, 3})
        if (std::fabs(numbers[k]) > 180) {
            error = "longitude " + std::string(quoted(std::to_string(numbers[k]))) + " is beyond 180 degrees";
            return {};
        }

    const auto result = inverseGeodesic(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (!result) return "fault\n";
    std::string out;
    appendFixed(out, result->bearing, 9);
    out += ' ';
    appendFixed(out, result->distance, 4);
    out += '\n';
    return out;
}

int inverseCommand()
{
    const auto answer = [](std::string_view line, std::string& output, std::string& error) {
        output += inverseLine(line, error);
    };
    // a bad line, a line too long among them, prints nothing
    return runStandardLineBatch({.answer = answer, .tooLongAnswer = ""});
}

}  // namespace qvk::calc

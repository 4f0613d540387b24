#include "rotator/azimuth_range.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace qvk::rotator {
namespace {

// Caps print two decimals; a hair of slack keeps 180.00 inside a range that ends at 180.
constexpr double kSlack = 1e-6;

// The value of a caps line "Key:\t\tvalue" whose key is `key`.
std::optional<double> capsValue(const std::vector<std::string>& lines, std::string_view key)
{
    for (std::string_view line : lines) {
        if (line.substr(0, key.size()) != key || line.size() <= key.size() || line[key.size()] != ':') continue;
        std::string value(line.substr(key.size() + 1));
        for (char& c : value)
            if (c == '\t' || c == '\r') c = ' ';
        const auto number = parseDecimal(value);
        if (number && std::isfinite(static_cast<double>(*number))) return static_cast<double>(*number);
    }
    return std::nullopt;
}

bool inRange(double azimuth, const RotatorRange& range)
{
    return azimuth >= range.minAzimuth - kSlack && azimuth <= range.maxAzimuth + kSlack;
}

bool withinOneTurn(double azimuth) { return azimuth >= 0 && azimuth < 360; }

}  // namespace

RotatorRange rangeFromCaps(const std::vector<std::string>& lines)
{
    RotatorRange range;
    const auto minAzimuth = capsValue(lines, "Min Azimuth");
    const auto maxAzimuth = capsValue(lines, "Max Azimuth");
    if (minAzimuth && maxAzimuth && *maxAzimuth > *minAzimuth) {
        range.minAzimuth = *minAzimuth;
        range.maxAzimuth = *maxAzimuth;
    }
    const auto minElevation = capsValue(lines, "Min Elevation");
    const auto maxElevation = capsValue(lines, "Max Elevation");
    if (minElevation && maxElevation && *maxElevation >= *minElevation) {
        range.minElevation = *minElevation;
        range.maxElevation = *maxElevation;
    }
    return range;
}

bool rangeOverlaps(const RotatorRange& range) { return range.maxAzimuth - range.minAzimuth >= 360 - kSlack; }

std::optional<double> azimuthForHeading(double heading, const RotatorRange& range, std::optional<double> present)
{
    if (!std::isfinite(heading)) return std::nullopt;
    const double base = headingOfAzimuth(heading);
    std::vector<double> candidates;
    const double firstTurn = std::floor((range.minAzimuth - base) / 360.0) - 1;
    for (double turn = firstTurn; base + 360.0 * turn <= range.maxAzimuth + kSlack; ++turn) {
        const double azimuth = base + 360.0 * turn;
        if (inRange(azimuth, range)) candidates.push_back(std::clamp(azimuth, range.minAzimuth, range.maxAzimuth));
    }
    if (candidates.empty()) return std::nullopt;

    // candidates rise, so the first of equals is the lowest
    const auto better = [&](double a, double b) {
        if (present) {
            const double da = std::abs(a - *present), db = std::abs(b - *present);
            if (std::abs(da - db) > kSlack) return da < db;
        }
        if (withinOneTurn(a) != withinOneTurn(b)) return withinOneTurn(a);
        return false;
    };
    double best = candidates.front();
    for (double azimuth : candidates)
        if (better(azimuth, best)) best = azimuth;
    return best;
}

double levelElevation(const RotatorRange& range)
{
    if (range.maxElevation < range.minElevation) return 0;
    return std::clamp(0.0, range.minElevation, range.maxElevation);
}

double headingOfAzimuth(double azimuth)
{
    double heading = std::fmod(azimuth, 360.0);
    if (heading < 0) heading += 360.0;
    if (heading >= 360.0) heading = 0;  // -1e-17 + 360 rounds to 360
    return heading;
}

}  // namespace qvk::rotator

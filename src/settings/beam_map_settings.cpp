#include "settings/beam_map_settings.h"

#include "core/number_text.h"

#include <cmath>

namespace qvk {
namespace {

constexpr long long kSmallestSide = 200;
constexpr long long kLargestSide = 20000;
constexpr long double kLargestRadiusKm = 30000;

int side(const std::vector<std::string>& lines, std::size_t index, int fallback)
{
    if (index >= lines.size()) return fallback;
    const auto pixels = parseWholeNumber(lines[index]);
    return pixels && *pixels >= kSmallestSide && *pixels <= kLargestSide ? static_cast<int>(*pixels) : fallback;
}

}  // namespace

BeamMapSettings parseBeamMapSettings(const std::vector<std::string>& lines)
{
    BeamMapSettings settings;
    settings.width = side(lines, 0, settings.width);
    settings.height = side(lines, 1, settings.height);
    if (lines.size() > 2)
        if (const auto radius = parseDecimal(lines[2]); radius && *radius >= 0 && *radius <= kLargestRadiusKm)
            settings.radiusKm = static_cast<double>(*radius);
    return settings;
}

std::vector<std::string> beamMapSettingsLines(const BeamMapSettings& settings)
{
    return {std::to_string(settings.width), std::to_string(settings.height), formatFixed(settings.radiusKm, 0)};
}

}  // namespace qvk

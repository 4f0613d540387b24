#include "ui/beammap/arc_simplification.h"

#include <cmath>
#include <utility>
#include <vector>

namespace qvk::beammap {
namespace {

double offsetFrom(GeoPoint a, GeoPoint b, GeoPoint p)
{
    const double dx = b.longitude - a.longitude, dy = b.latitude - a.latitude, length = std::hypot(dx, dy);
    if (length == 0) return std::hypot(p.longitude - a.longitude, p.latitude - a.latitude);
    return std::abs(dx * (a.latitude - p.latitude) - dy * (a.longitude - p.longitude)) / length;
}

}  // namespace

GeoLine simplified(const GeoLine& line, double toleranceDegrees)
{
    if (line.size() < 3) return line;
    std::vector<bool> keep(line.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, line.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double offset = offsetFrom(line[first], line[last], line[i]);
            if (offset > farthest) {
                farthest = offset;
                at = i;
            }
        }
        if (farthest > toleranceDegrees) {
            keep[at] = true;
            spans.emplace_back(first, at);
            spans.emplace_back(at, last);
        }
    }
    GeoLine result;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (keep[i]) result.push_back(line[i]);
    return result;
}

}  // namespace qvk::beammap

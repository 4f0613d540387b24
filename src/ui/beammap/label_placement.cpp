#include "ui/beammap/label_placement.h"

#include <array>

namespace qvk::beammap {
namespace {

constexpr double kGap = 2;

std::array<QRectF, 4> candidatesFor(const LabelRequest& request, double dotRadius)
{
    const QPointF dot = request.dot;
    const double width = request.size.width(), height = request.size.height(), reach = dotRadius + kGap;
    return {QRectF(dot.x() + reach, dot.y() - height / 2, width, height),
            QRectF(dot.x() - reach - width, dot.y() - height / 2, width, height),
            QRectF(dot.x() - width / 2, dot.y() - reach - height, width, height),
            QRectF(dot.x() - width / 2, dot.y() + reach, width, height)};
}

bool overlapsAny(const QRectF& rect, const std::vector<QRectF>& taken)
{
    for (const QRectF& other : taken)
        if (rect.intersects(other)) return true;
    return false;
}

}  // namespace

std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest>& requests, double dotRadius,
                                               const QRectF& bounds, const std::vector<QRectF>& reserved)
{
    std::vector<QRectF> taken = reserved;
    taken.reserve(requests.size() * 2);
    for (const LabelRequest& request : requests)
        taken.emplace_back(request.dot - QPointF(dotRadius, dotRadius), QSizeF(2 * dotRadius, 2 * dotRadius));
    std::vector<std::optional<QRectF>> placed;
    placed.reserve(requests.size());
    for (const LabelRequest& request : requests) {
        std::optional<QRectF> place;
        for (const QRectF& candidate : candidatesFor(request, dotRadius)) {
            if (bounds.contains(candidate) && !overlapsAny(candidate, taken)) {
                place = candidate;
                taken.push_back(candidate);
                break;
            }
        }
        placed.push_back(place);
    }
    return placed;
}

}  // namespace qvk::beammap

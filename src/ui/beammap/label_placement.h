#pragma once
// Labels beside dots without overlap: each label in turn takes the first free
// place of four (right, left, above, below its dot) inside the bounds, or is
// left out. Earlier labels win, so callers order them by importance.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace qvk::beammap {

struct LabelRequest {
    QPointF dot;
    QSizeF size;
};

// Where each label goes, or nullopt where there is no room. No label covers
// another label, any dot (a square of 2·dotRadius round it) or a reserved
// rectangle (texts already drawn).
std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest>& requests, double dotRadius,
                                               const QRectF& bounds, const std::vector<QRectF>& reserved = {});

}  // namespace qvk::beammap

#include "ui/beammap/beam_map_painter.h"

#include "core/number_text.h"
#include "core/position_text.h"
#include "ui/beammap/beam_map_colours.h"
#include "ui/beammap/label_placement.h"
#include "ui/common/screen_text.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace qvk::beammap {
namespace {

constexpr double kMetresPerMile = 1609.3;  // the program's 1.6093 km to the mile
constexpr double kDotRadius = 1.6;
constexpr double kScaleInset = 26;  // room at the view's edge for a clipped azimuth scale
constexpr double kMinorTick = 5;
constexpr double kMajorTick = 9;

QFont mapFont(int pixels, bool bold = false)
{
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPen cosmeticPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

void paintLines(QPainter& painter, const std::vector<MapLine>& lines, const QRectF& visible)
{
    for (const MapLine& line : lines)
        if (line.bounds.intersects(visible)) painter.drawPolyline(line.points);
}

// Draws the rings and returns where their labels went.
std::vector<QRectF> paintRangeRings(QPainter& painter, const MapView& view, const BeamMap& map)
{
    std::vector<QRectF> labels;
    const double step = rangeRingStepMetres(map.unit());
    const QPointF home = view.toPixel({0, 0});
    const bool miles = map.unit() == DistanceUnit::Miles;
    const double ringInUnit = miles ? 2000 : 2500;
    const QString unitName = miles ? " mi" : " km";
    painter.setFont(mapFont(10));
    const QFontMetricsF metrics(painter.font());
    for (int ring = 1; ring * step < map.projection().outlineRadius(); ++ring) {
        const double radius = ring * step * view.pixelsPerMetre();
        painter.setPen(cosmeticPen(kRangeRing, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(home, radius, radius);
        painter.setPen(qvk::ui::kNavy);
        const QString label = ui::toScreen(formatGrouped(ring * ringInUnit)) + unitName;
        const QSizeF size = metrics.size(Qt::TextSingleLine, label);
        labels.emplace_back(QPointF(home.x() + 3, home.y() - radius - size.height() - 1), size);
        painter.drawText(labels.back(), Qt::AlignCenter, label);
    }
    return labels;
}

void paintDxcc(QPainter& painter, const MapView& view, const BeamMap& map, const std::vector<QRectF>& reserved)
{
    const QRectF bounds(QPointF(0, 0), view.size());
    std::vector<LabelRequest> requests;
    std::vector<QString> prefixes;
    const QFont font = mapFont(9);
    const QFontMetricsF metrics(font);
    for (const BeamMap::Place& place : map.dxcc()) {
        const QPointF dot = view.toPixel(place.metres);
        if (!bounds.contains(dot)) continue;
        requests.push_back({dot, metrics.size(Qt::TextSingleLine, place.prefix)});
        prefixes.push_back(place.prefix);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDxccDot);
    for (const LabelRequest& request : requests) painter.drawEllipse(request.dot, kDotRadius, kDotRadius);
    painter.setFont(font);
    painter.setPen(qvk::ui::kNavy);
    const auto places = placeLabels(requests, kDotRadius, bounds, reserved);
    for (std::size_t i = 0; i < places.size(); ++i)
        if (places[i]) painter.drawText(*places[i], Qt::AlignCenter, prefixes[i]);
}

// Where the ray from home at an azimuth leaves the rectangle, in pixels along
// it, with where it enters; nullopt when it misses.
std::optional<std::pair<double, double>> rayThrough(QPointF from, QPointF direction, const QRectF& rect)
{
    double enter = -1e300, leave = 1e300;
    const double starts[] = {from.x(), from.y()}, steps[] = {direction.x(), direction.y()};
    const double lows[] = {rect.left(), rect.top()}, highs[] = {rect.right(), rect.bottom()};
    for (int axis = 0; axis < 2; ++axis) {
        if (std::abs(steps[axis]) < 1e-12) {
            if (starts[axis] < lows[axis] || starts[axis] > highs[axis]) return std::nullopt;
            continue;
        }
        double a = (lows[axis] - starts[axis]) / steps[axis], b = (highs[axis] - starts[axis]) / steps[axis];
        if (a > b) std::swap(a, b);
        enter = std::max(enter, a);
        leave = std::min(leave, b);
    }
    if (enter > leave) return std::nullopt;
    return std::make_pair(enter, leave);
}

// Ticks every 10 degrees and labels every 30 round the Earth's outline; where
// the outline lies beyond the view, the labelled directions at the view's edge.
void paintAzimuthScale(QPainter& painter, const MapView& view, const AzimuthalProjection& projection)
{
    const QPointF home = view.toPixel({0, 0});
    const QRectF inner =
        QRectF(QPointF(0, 0), view.size()).adjusted(kScaleInset, kScaleInset, -kScaleInset, -kScaleInset);
    painter.setFont(mapFont(10));
    const QFontMetricsF metrics(painter.font());
    for (int azimuth = 0; azimuth < 360; azimuth += 10) {
        const double radians = azimuth * std::numbers::pi / 180;
        const QPointF direction(std::sin(radians), -std::cos(radians));
        const QPointF rim = view.toPixel(projection.outlineAt(azimuth));
        double along = std::hypot(rim.x() - home.x(), rim.y() - home.y());
        const auto span = rayThrough(home, direction, inner);
        if (!span || span->second < 0 || std::max(span->first, 0.0) > along) continue;
        const bool atViewEdge = span->second < along;
        along = std::min(along, span->second);
        const bool major = azimuth % 30 == 0;
        if (atViewEdge && !major) continue;  // along the view's edge only the labelled directions
        const QPointF at = home + direction * along;
        const double tick = major ? kMajorTick : kMinorTick;
        painter.setPen(cosmeticPen(qvk::ui::kNavy, major ? 1.4 : 1));
        painter.drawLine(at, at + direction * tick);
        if (!major) continue;
        const QString label = QString::number(azimuth) + QChar(0x00B0);
        const QSizeF size = metrics.size(Qt::TextSingleLine, label);
        const QPointF centre = at + direction * (tick + 3 + size.height() / 2);
        painter.drawText(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, label);
    }
}

void paintBeam(QPainter& painter, const MapView& view, const BeamMap& map)
{
    const BeamLines lines = beamLines(*map.target(), map.projection());
    const QTransform toPixels = view.transform();
    painter.setPen(cosmeticPen(kBeam, 1.4, Qt::DashLine));
    painter.drawLine(toPixels.map(lines.beyondTarget));
    painter.drawLine(toPixels.map(lines.longPathStart));
    painter.setPen(cosmeticPen(kBeam, 2.4));
    painter.drawLine(toPixels.map(lines.shortPath));
    const QPointF target = toPixels.map(lines.shortPath.p2());
    painter.setPen(cosmeticPen(kBeam, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(target, 5, 5);
    painter.setBrush(kBeam);
    painter.drawEllipse(target, 1.8, 1.8);
}

void paintHome(QPainter& painter, const MapView& view)
{
    const QPointF home = view.toPixel({0, 0});
    painter.setPen(cosmeticPen(qvk::ui::kNavy, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(home, 4.5, 4.5);
}

void paintSun(QPainter& painter, const MapView& view, const GreyLine& greyLine)
{
    if (!greyLine.subsolar) return;
    const QPointF sun = view.toPixel(*greyLine.subsolar);
    painter.setPen(cosmeticPen(kSun.darker(150), 1.5));
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(sun + direction * 8, sun + direction * 11);
    }
    painter.setBrush(kSun);
    painter.drawEllipse(sun, 6, 6);
}

// A box of lines at a corner: the first line in bold maroon when `titled`.
void paintBox(QPainter& painter, const QStringList& lines, bool titled, Qt::Corner corner, QSizeF view)
{
    const QFont plain = mapFont(12), bold = mapFont(12, true);
    const QFontMetricsF plainMetrics(plain), boldMetrics(bold);
    double width = 0;
    for (int i = 0; i < lines.size(); ++i)
        width = std::max(width, (titled && i == 0 ? boldMetrics : plainMetrics).horizontalAdvance(lines[i]));
    const double lineHeight = plainMetrics.height() + 1, padding = 7;
    const QSizeF size(width + 2 * padding, lines.size() * lineHeight + 2 * padding - 1);
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    const QPointF topLeft(right ? view.width() - size.width() - 8 : 8, bottom ? view.height() - size.height() - 8 : 8);
    painter.setPen(cosmeticPen(qvk::ui::kNavy, 1));
    painter.setBrush(kLegendPaper);
    painter.drawRoundedRect(QRectF(topLeft, size), 4, 4);
    for (int i = 0; i < lines.size(); ++i) {
        const bool title = titled && i == 0;
        painter.setFont(title ? bold : plain);
        painter.setPen(title ? kBeam : qvk::ui::kNavy);
        painter.drawText(QPointF(topLeft.x() + padding, topLeft.y() + padding + i * lineHeight + plainMetrics.ascent()),
                         lines[i]);
    }
}

void paintLegends(QPainter& painter, const MapView& view, const BeamMap& map)
{
    if (const auto& target = map.target())
        paintBox(painter,
                 {target->name, "Heading " + degreesText(target->heading), "Long path " + degreesText(target->longPath),
                  "Distance " + distanceText(target->distanceMetres, map.unit())},
                 true, Qt::TopLeftCorner, view.size());
    const QString sunTime =
        QDateTime::fromSecsSinceEpoch(static_cast<qint64>(map.time()), Qt::UTC).toString("yyyy-MM-dd hh:mm");
    paintBox(painter, {"Home " + ui::toScreen(pairText(map.home())), "Grey line " + sunTime + " UTC"}, false,
             Qt::BottomLeftCorner, view.size());
}

}  // namespace

double rangeRingStepMetres(DistanceUnit unit)
{
    return unit == DistanceUnit::Miles ? 2000 * kMetresPerMile : 2500 * 1000;
}

BeamLines beamLines(const BeamTarget& target, const AzimuthalProjection& projection)
{
    const QPointF end = projection.forward(target.position);
    return {QLineF(QPointF(0, 0), end), QLineF(end, projection.outlineAt(target.heading)),
            QLineF(QPointF(0, 0), projection.outlineAt(target.longPath))};
}

void paintBaseLayer(QPainter& painter, const MapView& view, const BeamMap& map)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), view.size()), kOutsideEarth);
    painter.setTransform(view.transform(), true);
    const QRectF visible = view.visibleMetres();
    const ProjectedWorld& world = map.worldAt(view.pixelsPerMetre());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSea);
    painter.drawPolygon(map.projection().outline());
    painter.setBrush(kLand);
    // without smoothing: the coasts drawn over the land's edges hide its steps
    // (no pixel differs by more than 3%), and a redraw takes 6 to 9 ms less
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const MapArea& area : world.land())
        if (area.bounds.intersects(visible)) painter.drawPath(area.path);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(cosmeticPen(kBorder, 0.8));
    paintLines(painter, world.borders(), visible);
    painter.setPen(cosmeticPen(kCoast, 0.8));
    paintLines(painter, world.coasts(), visible);
    // one pixel, not more: Qt strokes wider pens through its slow general
    // stroker, which took half of a redraw for this one line
    painter.setPen(cosmeticPen(kOutline, 1));
    painter.drawPolygon(map.projection().outline());
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintDxcc(painter, view, map, paintRangeRings(painter, view, map));
    painter.restore();
}

void paintOverlay(QPainter& painter, const MapView& view, const BeamMap& map)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view.transform(), true);
    painter.setPen(Qt::NoPen);
    painter.fillPath(map.greyLine().afterSunset, kTwilight);
    painter.fillPath(map.greyLine().night, kNight);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintAzimuthScale(painter, view, map.projection());
    paintSun(painter, view, map.greyLine());
    if (map.target()) paintBeam(painter, view, map);
    paintHome(painter, view);
    paintLegends(painter, view, map);
    painter.restore();
}

void paintBeamMap(QPainter& painter, const MapView& view, const BeamMap& map)
{
    paintBaseLayer(painter, view, map);
    paintOverlay(painter, view, map);
}

}  // namespace qvk::beammap

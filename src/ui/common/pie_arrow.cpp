#include "ui/common/pie_arrow.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>
#include <vector>

namespace qvk::ui {
namespace {

// Halves go to the even neighbour, so 18.5 and 17.5 both give 18.
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// The seven corners of the arrow: two at the start, then the head's base, its
// wing, the tip, the other wing and back along the shaft. They come from the
// arrow's angles with the two axes and its signed length; when x and y change
// in opposite directions (a1 < 0) the offsets are mirrored.
QPolygon arrowOutline(QPoint start, QPoint target, int arrowWidth)
{
    const int sx = start.x(), sy = start.y(), tx = target.x(), ty = target.y();
    const int h = arrowWidth / 2;
    double a1 = 0, a2 = 0, len = 0;
    if (sx != tx && sy != ty) {
        a1 = std::atan(double(tx - sx) / (ty - sy));
        a2 = std::atan(double(ty - sy) / (tx - sx));
        len = (tx - sx) / std::sin(a1);
    } else {
        if (sx == tx) {
            a1 = 0;
            a2 = std::numbers::pi / 2;
            len = ty - sy;
        }
        if (sy == ty) {  // both (one point): a short upright line
            a1 = std::numbers::pi / 2;
            a2 = 0;
            len = tx - sx;
        }
    }
    const int u = roundHalfEven(h * std::sin(a2));
    const int w = roundHalfEven(h * std::sin(a1));
    const int bx = roundHalfEven(std::sin(a1) * len / 10);
    const int by = roundHalfEven(std::sin(a2) * len / 10);
    if (a1 >= 0) {
        return QPolygon({{sx + u, sy - w},
                         {sx - u, sy + w},
                         {tx - bx - u, ty - by + w},
                         {tx - bx - 2 * u, ty - by + 2 * w},
                         {tx, ty},
                         {tx - bx + 2 * u, ty - by - 2 * w},
                         {tx - bx + u, ty - by - w}});
    }
    return QPolygon({{sx + u, sy + w},
                     {sx - u, sy - w},
                     {tx - bx - u, ty + by - w},
                     {tx - bx - 2 * u, ty + by - 2 * w},
                     {tx, ty},
                     {tx - bx + 2 * u, ty + by + 2 * w},
                     {tx - bx + u, ty + by + w}});
}

// Paints the area around seed with fill, spreading through side-by-side
// neighbours until pixels of the border colour, like a paint program's bucket.
void floodFill(QImage& image, QPoint seed, QRgb fill, QRgb border)
{
    if (!image.rect().contains(seed)) return;
    const auto row = [&image](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    const auto open = [&](int x, int y) {
        const QRgb pixel = row(y)[x];
        return pixel != border && pixel != fill;
    };
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        const int y = point.y();
        if (!open(point.x(), y)) continue;
        int left = point.x(), right = point.x();
        while (left > 0 && open(left - 1, y)) --left;
        while (right < image.width() - 1 && open(right + 1, y)) ++right;
        for (int x = left; x <= right; ++x) row(y)[x] = fill;
        for (const int next : {y - 1, y + 1}) {
            if (next < 0 || next >= image.height()) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open(x, next);
                if (isOpen && !inRun) pending.push_back({x, next});
                inRun = isOpen;
            }
        }
    }
}

}  // namespace

TPieArrow::TPieArrow(QWidget* parent) : QWidget(parent) { placeAround({10, 10}, {60, 60}); }

void TPieArrow::setStartX(int x)
{
    if (x != StartX()) placeAround({x, StartY()}, target());
}

void TPieArrow::setStartY(int y)
{
    if (y != StartY()) placeAround({StartX(), y}, target());
}

void TPieArrow::setTargetX(int x)
{
    if (x != TargetX()) placeAround(start(), {x, TargetY()});
}

void TPieArrow::setTargetY(int y)
{
    if (y != TargetY()) placeAround(start(), {TargetX(), y});
}

void TPieArrow::setArrowWidth(int width)
{
    if (width == arrowWidth_) return;
    arrowWidth_ = width;
    placeAround(start(), target());
}

void TPieArrow::setArrowType(TPieArrowTyp type)
{
    if (type == arrowType_) return;
    arrowType_ = type;
    placeAround(start(), target());
}

void TPieArrow::setTransparent(bool transparent)
{
    if (transparent == transparent_) return;
    transparent_ = transparent;
    update();
}

void TPieArrow::setPen(const QPen& pen)
{
    pen_ = pen;
    StyleChanged();
}

void TPieArrow::setBrush(const QBrush& brush)
{
    brush_ = brush;
    StyleChanged();
}

void TPieArrow::StyleChanged() { update(); }

// The bounds enclose both points with a margin of ArrowWidth + 1, room for the
// head's wings and the pen around them.
void TPieArrow::placeAround(QPoint start, QPoint target)
{
    const int margin = arrowWidth_ + 1;
    const QRect bounds(std::min(start.x(), target.x()) - margin, std::min(start.y(), target.y()) - margin,
                       std::abs(start.x() - target.x()) + 2 * margin, std::abs(start.y() - target.y()) + 2 * margin);
    startInControl_ = start - bounds.topLeft();
    targetInControl_ = target - bounds.topLeft();
    if (geometry() != bounds) setGeometry(bounds);
    update();
}

// A resize from outside would cut the arrow or leave the fill's seed outside
// it: the size always follows the points.
void TPieArrow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeAround(start(), target());
}

QImage TPieArrow::arrowImage() const
{
    // Drawn at the screen's pixel density so that the outline stays one closed
    // wall of pen-coloured pixels for the fill.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(pen_);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(arrowOutline(startInControl_, targetInControl_, arrowWidth_));
    }
    if (!transparent_ && brush_.style() != Qt::NoBrush) {
        const QPoint centre(width() / 2, height() / 2);
        floodFill(image, centre * ratio, brush_.color().rgba(), pen_.color().rgba());
    }
    return image;
}

void TPieArrow::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, arrowImage()); }

// Taking the press keeps the release here instead of with a parent that
// drags on a press.
void TPieArrow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TPieArrow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released();
}

}  // namespace qvk::ui

#include "ui/beammap/map_view.h"

#include <algorithm>
#include <cmath>

namespace qvk::beammap {

MapView::MapView(QSizeF size, double outlineRadiusMetres) : size_(size), outlineRadius_(outlineRadiusMetres)
{
    reset();
}

void MapView::resize(QSizeF size)
{
    const double radius = radiusKm();
    size_ = size;
    setRadiusKm(radius);
}

QPointF MapView::toPixel(QPointF metres) const
{
    return {size_.width() / 2 + (metres.x() - centre_.x()) * pixelsPerMetre_,
            size_.height() / 2 - (metres.y() - centre_.y()) * pixelsPerMetre_};
}

QPointF MapView::toMetres(QPointF pixel) const
{
    return {centre_.x() + (pixel.x() - size_.width() / 2) / pixelsPerMetre_,
            centre_.y() - (pixel.y() - size_.height() / 2) / pixelsPerMetre_};
}

QTransform MapView::transform() const
{
    const QPointF origin = toPixel({0, 0});
    return QTransform(pixelsPerMetre_, 0, 0, -pixelsPerMetre_, origin.x(), origin.y());
}

QRectF MapView::visibleMetres() const
{
    const QPointF topLeft = toMetres({0, 0}), bottomRight = toMetres({size_.width(), size_.height()});
    return QRectF(QPointF(topLeft.x(), bottomRight.y()), QPointF(bottomRight.x(), topLeft.y()));
}

double MapView::radiusKm() const { return std::min(size_.width(), size_.height()) / 2 / pixelsPerMetre_ / 1000; }

double MapView::widestRadiusKm() const { return outlineRadius_ * (1 + kScaleMargin) / 1000; }

bool MapView::showsWholeEarth() const { return radiusKm() >= widestRadiusKm() * (1 - 1e-9); }

double MapView::pixelsForRadius(double radiusKm) const
{
    const double clamped = std::clamp(radiusKm, kNarrowestRadiusKm, widestRadiusKm());
    return std::max(1.0, std::min(size_.width(), size_.height())) / 2 / (clamped * 1000);
}

void MapView::setRadiusKm(double radiusKm)
{
    pixelsPerMetre_ = pixelsForRadius(radiusKm);
    centreOn(centre_);
}

void MapView::zoomAbout(QPointF pixel, double factor)
{
    const QPointF anchored = toMetres(pixel);
    pixelsPerMetre_ = pixelsForRadius(radiusKm() / factor);
    // keep the anchored point under the pixel
    centreOn({anchored.x() - (pixel.x() - size_.width() / 2) / pixelsPerMetre_,
              anchored.y() + (pixel.y() - size_.height() / 2) / pixelsPerMetre_});
}

void MapView::panByPixels(QPointF delta)
{
    centreOn({centre_.x() - delta.x() / pixelsPerMetre_, centre_.y() + delta.y() / pixelsPerMetre_});
}

void MapView::centreOn(QPointF metres)
{
    const double distance = std::hypot(metres.x(), metres.y());
    centre_ = distance > outlineRadius_ ? metres * (outlineRadius_ / distance) : metres;
    if (showsWholeEarth()) centre_ = {0, 0};
}

MapView MapView::grownBy(QSizeF margin) const
{
    MapView grown = *this;
    grown.size_ += 2 * margin;
    return grown;
}

void MapView::reset()
{
    centre_ = {0, 0};
    pixelsPerMetre_ = pixelsForRadius(widestRadiusKm());
}

}  // namespace qvk::beammap

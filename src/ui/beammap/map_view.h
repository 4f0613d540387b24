#pragma once
// Which part of the Beam Map a window or a picture shows: the scale and the
// map point at the middle of the view. Map points are metres east and north
// of home; pixels run right and down.
//
// The zoom is told as a radius: the distance from the middle of the view to
// its nearer edge. It runs from the whole Earth (its outline and the azimuth
// scale round it) down to 500 km.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace qvk::beammap {

class MapView {
public:
    static constexpr double kNarrowestRadiusKm = 500;
    // Room round the Earth's outline for the azimuth scale, as a share of its radius.
    static constexpr double kScaleMargin = 0.09;

    MapView(QSizeF size, double outlineRadiusMetres);

    QSizeF size() const { return size_; }
    void resize(QSizeF size);

    double pixelsPerMetre() const { return pixelsPerMetre_; }
    QPointF centre() const { return centre_; }

    QPointF toPixel(QPointF metres) const;
    QPointF toMetres(QPointF pixel) const;
    QTransform transform() const;  // metres to pixels
    QRectF visibleMetres() const;

    double radiusKm() const;
    double widestRadiusKm() const;
    bool showsWholeEarth() const;
    // Keeps the middle of the view where it is.
    void setRadiusKm(double radiusKm);
    // Zooms by a factor (above 1 closer) keeping the map point under the pixel in place.
    void zoomAbout(QPointF pixel, double factor);
    void panByPixels(QPointF delta);
    // Moves the middle of the view to a map point (kept on the Earth).
    void centreOn(QPointF metres);
    // The whole Earth, home in the middle.
    void reset();

    // The same scale and middle on a surface larger by `margin` on every
    // side: for a picture that reaches past the view.
    MapView grownBy(QSizeF margin) const;

private:
    double pixelsForRadius(double radiusKm) const;

    QSizeF size_;
    double outlineRadius_;
    double pixelsPerMetre_ = 0;
    QPointF centre_;
};

}  // namespace qvk::beammap

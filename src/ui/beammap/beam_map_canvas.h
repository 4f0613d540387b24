#pragma once
// The Beam Map's drawing surface: paints a BeamMap through a MapView and turns
// the mouse into zoom and pan. The wheel zooms about the pointer, a drag pans,
// a double-click shows the whole Earth again; a click (a press and release in
// place, not followed by a second click) and the pointer's moves are passed on
// as map points for the window to read.
//
// Drawing the land is the costly part, so the base layer is kept as a picture
// a quarter of the view larger on every side: a pan within that margin only
// shifts the picture, and the grey line, beam and legends are painted over it.

#include "ui/beammap/beam_map.h"
#include "ui/beammap/map_view.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace qvk::ui {

class BeamMapCanvas : public QWidget {
    Q_OBJECT
public:
    // A notch of the wheel zooms by this factor.
    static constexpr double kZoomStep = 1.25;

    explicit BeamMapCanvas(QWidget* parent = nullptr);

    // The map to draw (not owned); nullptr shows `message` instead.
    void setMap(const beammap::BeamMap* map);
    void setMessage(const QString& message);

    beammap::MapView& view() { return view_; }
    const beammap::MapView& view() const { return view_; }

    // The base layer shows what the map held when it was drawn: call this
    // when the home, the unit or the data changed.
    void baseChanged();
    // A change of the view (zoom or pan) made from outside.
    void viewChanged();
    // A finer level of the world is ready: drawn again only where the view
    // wants it.
    void worldRefined();

    // The whole map as it shows now, at the screen's pixel density.
    QImage picture() const;

    QSize sizeHint() const override { return {760, 760}; }

signals:
    // The map point under the pointer (metres), or nullopt when it left the map.
    void pointerMoved(std::optional<QPointF> metres);
    void pointClicked(QPointF metres);
    void contextMenuWanted(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What the base layer's picture shows: the view it was drawn for and the
    // level of the world.
    struct BaseCache {
        beammap::MapView view;
        const beammap::ProjectedWorld* world = nullptr;
    };
    bool cacheCovers() const;
    void renderBase();

    const beammap::BeamMap* map_ = nullptr;
    QString message_;
    beammap::MapView view_;
    QPixmap basePicture_;            // kept when outdated, so that the next drawing reuses its memory
    std::optional<BaseCache> base_;  // empty: the picture must be drawn again
    std::optional<QPoint> pressedAt_;
    QPoint lastDragPoint_;
    bool dragging_ = false;
    QTimer clickTimer_;  // waits out a possible second click
    QPointF clickedMetres_;
};

}  // namespace qvk::ui

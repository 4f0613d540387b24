#pragma once
// The World Map's map panel (Panel3): the picture and the markers on it,
// inside the viewport that clips it. Its position in the viewport is the
// map's scroll position.
//
// Pressing the left button on the panel or its picture drags the panel with
// the mouse; after the release the position is clamped (clampAfterDrag).
// Other buttons do nothing.

#include <QFrame>
#include <QPoint>

namespace qvk::ui {

class MapPanel : public QFrame {
    Q_OBJECT
public:
    explicit MapPanel(QWidget* viewport);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
    // The pointer on the screen and the panel's place when the drag began:
    // the panel moves under the pointer, so its own coordinates would drift.
    QPoint pressedAt_;
    QPoint startPosition_;
};

// The red marker square (Shape1): a rounded outline 2 pixels wide, the map
// showing through inside. Like the arrow it keeps a press for itself, so
// that the map is dragged only by the map.
class RoundedSquare : public QWidget {
    Q_OBJECT
public:
    explicit RoundedSquare(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace qvk::ui

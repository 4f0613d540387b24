#pragma once
// TPieArrow: a filled arrow between two points of the surface it lies on.
//
// The control is a child of the widget it is drawn on, and its start and target
// points are in that parent's client coordinates. It keeps its own bounds around
// the two points, with a margin of ArrowWidth + 1 pixels on every side; moving
// the control from outside carries the arrow along (both points shift by the
// move), even while it is hidden and Qt holds back its move events.
//
// The shaft is ArrowWidth pixels wide (rounded down to even) and runs nine
// tenths of the way; the head is twice as wide and its tip is the target point.
// The outline is drawn with Pen and, unless Transparent, filled with Brush up to
// the pen-coloured outline; outside the outline the parent shows through. A
// vertical or horizontal arrow is exact; a slanted one rounds its corners to
// whole pixels. The arc types are drawn like ptNormal.

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace qvk::ui {

enum TPieArrowTyp { ptNormal, ptArc, ptAntiArc };

class TPieArrow : public QWidget {
    Q_OBJECT
public:
    // Start 10, 10; target 60, 60; ArrowWidth 10; black pen of width 2; white
    // brush; filled; ptNormal.
    explicit TPieArrow(QWidget* parent = nullptr);

    // Setting a value equal to the current one does nothing; any other value
    // moves and resizes the control around the points and repaints it.
    int StartX() const { return start().x(); }
    int StartY() const { return start().y(); }
    int TargetX() const { return target().x(); }
    int TargetY() const { return target().y(); }
    int ArrowWidth() const { return arrowWidth_; }
    TPieArrowTyp ArrowType() const { return arrowType_; }
    void setStartX(int x);
    void setStartY(int y);
    void setTargetX(int x);
    void setTargetY(int y);
    void setArrowWidth(int width);
    void setArrowType(TPieArrowTyp type);

    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // The arrow keeps its own copies; a change repaints through StyleChanged.
    const QPen& Pen() const { return pen_; }
    const QBrush& Brush() const { return brush_; }
    void setPen(const QPen& pen);
    void setBrush(const QBrush& brush);

public slots:
    void StyleChanged();

signals:
    // A mouse button was released over the control (the world map hides its
    // arrow on a click).
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint start() const { return pos() + startInControl_; }
    QPoint target() const { return pos() + targetInControl_; }
    void placeAround(QPoint start, QPoint target);
    QImage arrowImage() const;

    // The points are kept relative to the control, so that whatever moves the
    // control moves the arrow with it.
    QPoint startInControl_;
    QPoint targetInControl_;
    int arrowWidth_ = 10;
    TPieArrowTyp arrowType_ = ptNormal;
    bool transparent_ = false;
    QPen pen_{Qt::black, 2};
    QBrush brush_{Qt::white};
};

}  // namespace qvk::ui

#pragma once
// The main window's compass: the heading arrow laid across the compass card.
//
// A 255 x 255 sunken frame holds the card at 2, 2 and the arrow over it. The
// arrow's ends are not computed: two invisible 6 x 6 marker panels
// ("StartMarker", "TargetMarker") are put at positions from the marker table,
// and the arrow is then pointed from the start marker to the target marker. The
// frame starts out pointing north.

#include <QFrame>
#include <QPixmap>

namespace qvk::ui {

class TPieArrow;

class CompassFrame : public QFrame {
    Q_OBJECT
public:
    explicit CompassFrame(QWidget* parent = nullptr);

    // Markers for an even heading (0, 2, ..., 360), then the arrow follows them.
    void showHeading(int evenHeading);
    // The empty display: markers at the north positions, arrow straight up.
    void showNorth();

    // The markers' top-left corners, in the frame's client coordinates.
    QPoint startMarker() const;
    QPoint targetMarker() const;
    TPieArrow* arrow() const { return arrow_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pointArrow();

    QWidget* startMarker_ = nullptr;
    QWidget* targetMarker_ = nullptr;
    TPieArrow* arrow_ = nullptr;
    QPixmap card_;
};

}  // namespace qvk::ui

#pragma once
// The main window's compass: the heading arrow laid across the compass card.
//
// A 255 x 255 sunken frame holds the card at 2, 2 and the arrow over it. The
// arrow's ends are not computed: two invisible 6 x 6 marker panels
// ("StartMarker", "TargetMarker") are put at positions from the marker table,
// and the arrow is then pointed from the start marker to the target marker. The
// frame starts out pointing north.
//
// With a rotator, a thin green needle from the card's centre shows where the
// antenna points, under the arrow, and a one-line rotator status sits in a
// band on the card below its centre, inside the scale; both are painted,
// never controls, and absent without a rotator.

#include <QFrame>
#include <QPixmap>

#include <optional>

class QPainter;

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

    // The antenna's heading (0 to 360) as the rotator reports it; nullopt
    // takes the needle away.
    void setRotatorAzimuth(std::optional<double> heading);
    std::optional<double> rotatorAzimuth() const { return rotatorAzimuth_; }
    // One short line, empty for none; a problem shows in maroon, news in
    // navy. It is the frame's tooltip too.
    void setRotatorStatus(const QString& text, bool problem);
    QString rotatorStatus() const { return rotatorStatus_; }
    // The tooltip at a point of the frame: on the needle, the antenna's
    // heading and the status; elsewhere the status.
    QString toolTipAt(QPoint point) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pointArrow();
    void paintNeedle(QPainter& painter) const;
    void paintRotatorStatus(QPainter& painter) const;

    QWidget* startMarker_ = nullptr;
    QWidget* targetMarker_ = nullptr;
    TPieArrow* arrow_ = nullptr;
    QPixmap card_;
    std::optional<double> rotatorAzimuth_;
    QString rotatorStatus_;
    bool rotatorProblem_ = false;
};

}  // namespace qvk::ui

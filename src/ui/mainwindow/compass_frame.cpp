#include "ui/mainwindow/compass_frame.h"

#include "ui/common/colours.h"
#include "ui/common/pie_arrow.h"
#include "ui/common/program_style.h"
#include "ui/mainwindow/compass_card.h"
#include "ui/mainwindow/compass_markers.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace qvk::ui {
namespace {

const QColor kFrameAmber(225, 168, 0);
const QColor kArrowOrange(255, 136, 72);
const QColor kNeedleGreen(0, 128, 0);
constexpr int kBevelWidth = 2;
// The needle's tip lies just beyond the arrow's ends (85 to 94 pixels out) and
// short of the numbers (beyond 96), so it shows even when the arrow covers the
// shaft.
constexpr qreal kNeedleLength = 95;
constexpr qreal kNeedleTipRadius = 3;
constexpr qreal kNeedleHitDistance = 4;  // how near the pointer counts as on the needle
// The status band lies inside the scale, below the cross-hairs' centre ring.
constexpr int kStatusHeight = 13;
constexpr int kStatusBelowCentre = 30;

QPointF cardCentre() { return {kBevelWidth + kCompassCardSize / 2.0, kBevelWidth + kCompassCardSize / 2.0}; }

QPointF needleTip(double heading)
{
    const double angle = qDegreesToRadians(heading);
    return cardCentre() + kNeedleLength * QPointF(std::sin(angle), -std::cos(angle));
}

// As wide as the scale leaves room for at the band's lower edge.
QRect rotatorStatusBand()
{
    const QPointF centre = cardCentre();
    const qreal lowerEdge = kStatusBelowCentre + kStatusHeight;
    const int halfWidth = qFloor(std::sqrt(kCompassScaleRadius * kCompassScaleRadius - lowerEdge * lowerEdge)) - 1;
    return QRect(qCeil(centre.x()) - halfWidth, qCeil(centre.y()) + kStatusBelowCentre, 2 * halfWidth, kStatusHeight);
}

qreal distanceToSegment(QPointF point, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const qreal length2 = QPointF::dotProduct(along, along);
    const qreal t = std::clamp(QPointF::dotProduct(point - from, along) / length2, qreal(0), qreal(1));
    const QPointF nearest = from + t * along;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

// A marker only carries a position; it is never shown.
QWidget* makeMarker(QWidget* parent, const QString& name)
{
    auto* marker = new QWidget(parent);
    marker->setObjectName(name);
    marker->resize(6, 6);
    marker->setAutoFillBackground(true);
    QPalette palette = marker->palette();
    palette.setColor(QPalette::Window, kMaroon);
    marker->setPalette(palette);
    marker->setVisible(false);  // explicitly, so showing the frame leaves it hidden
    return marker;
}

void moveMarkers(QWidget* start, QWidget* target, const MarkerPoints& points)
{
    start->move(points.start.x, points.start.y);
    target->move(points.target.x, points.target.y);
}

}  // namespace

CompassFrame::CompassFrame(QWidget* parent) : QFrame(parent)
{
    setFixedSize(255, 255);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBevelWidth);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFrameAmber);
    setPalette(palette);

    startMarker_ = makeMarker(this, "StartMarker");
    targetMarker_ = makeMarker(this, "TargetMarker");

    arrow_ = new TPieArrow(this);
    arrow_->setArrowWidth(6);
    arrow_->setPen(QPen(kNavy, 2));
    arrow_->setBrush(kArrowOrange);
    arrow_->setTransparent(false);

    showNorth();
}

void CompassFrame::showHeading(int evenHeading)
{
    moveMarkers(startMarker_, targetMarker_, markersForEvenHeading(evenHeading));
    pointArrow();
}

void CompassFrame::showNorth()
{
    moveMarkers(startMarker_, targetMarker_, northMarkers());
    pointArrow();
    arrow_->update();
}

QPoint CompassFrame::startMarker() const { return startMarker_->pos(); }

QPoint CompassFrame::targetMarker() const { return targetMarker_->pos(); }

void CompassFrame::setRotatorAzimuth(std::optional<double> heading)
{
    if (heading == rotatorAzimuth_) return;
    rotatorAzimuth_ = heading;
    update();
}

void CompassFrame::setRotatorStatus(const QString& text, bool problem)
{
    if (text == rotatorStatus_ && problem == rotatorProblem_) return;
    rotatorStatus_ = text;
    rotatorProblem_ = problem;
    setToolTip(text);
    update();
}

QString CompassFrame::toolTipAt(QPoint point) const
{
    if (!rotatorAzimuth_ ||
        distanceToSegment(QPointF(point), cardCentre(), needleTip(*rotatorAzimuth_)) > kNeedleHitDistance)
        return rotatorStatus_;
    QString text = "Antenna at " + QString::number(*rotatorAzimuth_, 'f', 1) + QChar(0x00B0);
    if (!rotatorStatus_.isEmpty()) text += "\n" + rotatorStatus_;
    return text;
}

bool CompassFrame::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !rotatorAzimuth_) return QFrame::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

// One end at a time, start first: the arrow re-places itself after each.
void CompassFrame::pointArrow()
{
    arrow_->setStartX(startMarker_->x());
    arrow_->setStartY(startMarker_->y());
    arrow_->setTargetX(targetMarker_->x());
    arrow_->setTargetY(targetMarker_->y());
}

void CompassFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);  // the bevel
    const qreal ratio = devicePixelRatioF();
    if (card_.isNull() || card_.devicePixelRatio() != ratio) {
        card_ = QPixmap::fromImage(compassCardImage(ratio));
    }
    QPainter painter(this);
    painter.drawPixmap(kBevelWidth, kBevelWidth, card_);
    if (!rotatorStatus_.isEmpty()) paintRotatorStatus(painter);
    if (rotatorAzimuth_) paintNeedle(painter);
}

void CompassFrame::paintNeedle(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kNeedleGreen, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF tip = needleTip(*rotatorAzimuth_);
    painter.drawLine(cardCentre(), tip);
    painter.setBrush(kNeedleGreen);
    painter.drawEllipse(tip, kNeedleTipRadius, kNeedleTipRadius);
    painter.restore();
}

// On the card below its centre, where it hides none of the scale; the needle
// and the arrow, the results, pass over it. A long text is cut short here and
// read in full in the tooltip.
void CompassFrame::paintRotatorStatus(QPainter& painter) const
{
    painter.save();
    const QRect box = rotatorStatusBand();
    // the cross-hair would strike through the letters
    painter.fillRect(box, kCompassDiscYellow);
    painter.setFont(programFont(7));
    painter.setPen(rotatorProblem_ ? kMaroon : kNavy);
    const QRect textBox = box.adjusted(3, 0, -3, 0);
    painter.drawText(textBox, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(rotatorStatus_, Qt::ElideRight, textBox.width()));
    painter.restore();
}

}  // namespace qvk::ui

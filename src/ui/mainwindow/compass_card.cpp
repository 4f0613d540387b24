#include "ui/mainwindow/compass_card.h"

#include "ui/common/colours.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace qvk::ui {
namespace {

const QColor kRed(255, 0, 0);

// Radii from the centre of pixel 125, 125, in pixels.
constexpr qreal kDiscRadius = kCompassCardSize / 2.0;
constexpr qreal kRimRadius = kDiscRadius - 1.5;
constexpr qreal kShortTickRadius = kRimRadius - 5;
constexpr qreal kLongTickRadius = kRimRadius - 9;
constexpr qreal kNumberOuterRadius = kLongTickRadius - 2;
constexpr qreal kCrossHairRadius = 92;  // stops short of the numbers at 90 and 270
constexpr qreal kCentreRingRadius = 5;

void drawTickRing(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kRimRadius, kRimRadius);
    for (int degrees = 0; degrees < 360; degrees += 5) {
        painter.save();
        painter.rotate(degrees);
        const qreal inner = degrees % 10 == 0 ? kLongTickRadius : kShortTickRadius;
        painter.drawLine(QPointF(0, -inner), QPointF(0, -kRimRadius));
        painter.restore();
    }
}

// The numbers stand upright, each pushed in just far enough that its box
// clears the ticks, so 3-digit numbers fit at the top and bottom as well as at
// the sides.
void drawNumbers(QPainter& painter)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({"DejaVu Sans", "Arial", "Helvetica"});
    font.setPixelSize(10);
    font.setStretch(82);  // narrow enough for 340 and 350 to stand apart
    painter.setFont(font);
    painter.setPen(kNavy);
    const QFontMetricsF metrics(font);
    const qreal height = metrics.capHeight();
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const QString text = QString::number(degrees);
        const qreal width = metrics.horizontalAdvance(text);
        const qreal angle = qDegreesToRadians(qreal(degrees));
        const QPointF outward(std::sin(angle), -std::cos(angle));
        const qreal inset = std::abs(outward.x()) * width / 2 + std::abs(outward.y()) * height / 2;
        const QPointF centre = (kNumberOuterRadius - inset) * outward;
        painter.drawText(QPointF(centre.x() - width / 2, centre.y() + height / 2), text);
    }
}

void drawCrossHairs(QPainter& painter)
{
    painter.setPen(QPen(kRed, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-kCrossHairRadius, 0), QPointF(kCrossHairRadius, 0));
    painter.drawLine(QPointF(0, -kCrossHairRadius), QPointF(0, kCrossHairRadius));
    painter.drawEllipse(QPointF(0, 0), kCentreRingRadius, kCentreRingRadius);
}

}  // namespace

QImage compassCardImage(qreal devicePixelRatio)
{
    const int pixels = qRound(kCompassCardSize * devicePixelRatio);
    QImage card(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(devicePixelRatio);
    card.fill(Qt::transparent);

    QPainter painter(&card);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(kDiscRadius, kDiscRadius);  // the centre of pixel 125, 125
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCompassDiscYellow);
    painter.drawEllipse(QPointF(0, 0), kDiscRadius, kDiscRadius);
    drawTickRing(painter);
    drawNumbers(painter);
    drawCrossHairs(painter);
    return card;
}

}  // namespace qvk::ui

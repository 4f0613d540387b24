// The antenna's needle and the rotator's status on the compass card: thin,
// under the arrow, and gone without a rotator.

#include "qstring_printer.h"
#include "ui/mainwindow/compass_frame.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace qvk::ui {
namespace {

const QColor kNeedleGreen(0, 128, 0);
const QString kDegree = QString::fromUtf8("°");

bool isNeedle(const QImage& picture, int x, int y) { return picture.pixelColor(x, y) == kNeedleGreen; }

template <typename Test> int countPixels(const QImage& picture, const QRect& area, Test test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(picture.pixelColor(x, y));
    return count;
}

int countColour(const QImage& picture, const QRect& area, const QColor& colour)
{
    return countPixels(picture, area, [&](const QColor& pixel) { return pixel == colour; });
}

// The cores of maroon letters on the yellow card: red with little green,
// unlike the card's black ticks and yellow, the cross-hairs' pure red and the
// arrow's orange and navy.
int countMaroonInk(const QImage& picture, const QRect& area)
{
    return countPixels(picture, area, [](const QColor& pixel) {
        return pixel.red() > 90 && pixel.red() < 230 && pixel.green() < 110 && pixel.blue() < 40;
    });
}

TEST(AntennaNeedle, IsThereOnlyWhileARotatorReports)
{
    CompassFrame frame;
    EXPECT_EQ(frame.rotatorAzimuth(), std::nullopt);
    const auto noGreen = [&frame] {
        const QImage picture = frame.grab().toImage();
        return countColour(picture, picture.rect(), kNeedleGreen) == 0;
    };
    EXPECT_TRUE(noGreen());
    EXPECT_EQ(frame.toolTip(), "");
    frame.setRotatorAzimuth(90);
    EXPECT_FALSE(noGreen());
    frame.setRotatorAzimuth(std::nullopt);
    EXPECT_TRUE(noGreen()) << "gone when the position is unknown";
}

TEST(AntennaNeedle, PointsThinFromTheCentreAtTheAntennasHeading)
{
    CompassFrame frame;  // the arrow points north, so east and west are clear
    frame.setRotatorAzimuth(90);
    QImage picture = frame.grab().toImage();
    EXPECT_TRUE(isNeedle(picture, 127 + 60, 127));
    EXPECT_FALSE(isNeedle(picture, 127 - 60, 127));
    int width = 0;
    for (int y = 127 - 10; y <= 127 + 10; ++y) width += isNeedle(picture, 127 + 60, y);
    EXPECT_GE(width, 1);
    EXPECT_LE(width, 3);  // the arrow's shaft is 6

    frame.setRotatorAzimuth(270);
    picture = frame.grab().toImage();
    EXPECT_TRUE(isNeedle(picture, 127 - 60, 127));
    EXPECT_FALSE(isNeedle(picture, 127 + 60, 127));
}

TEST(AntennaNeedle, ItsTipShowsBeyondAnArrowThatCoversItsShaft)
{
    CompassFrame frame;  // arrow and antenna both north: on target
    frame.setRotatorAzimuth(0);
    const QImage picture = frame.grab().toImage();
    EXPECT_GT(countColour(picture, QRect(122, 26, 12, 6), kNeedleGreen), 0);
}

TEST(AntennaNeedle, ItsTooltipNamesTheAntennasHeadingAndTheStatus)
{
    CompassFrame frame;
    frame.setRotatorAzimuth(90);
    EXPECT_EQ(frame.toolTipAt(QPoint(127 + 60, 128)), "Antenna at 90.0" + kDegree);
    EXPECT_EQ(frame.toolTipAt(QPoint(127, 60)), "");  // off the needle

    frame.setRotatorStatus("Rotator stopped", false);
    EXPECT_EQ(frame.toolTipAt(QPoint(127 + 60, 128)), "Antenna at 90.0" + kDegree + "\nRotator stopped");
    EXPECT_EQ(frame.toolTipAt(QPoint(127, 60)), "Rotator stopped");
}

TEST(RotatorStatus, AProblemShowsBelowTheCardsCentreAndAsItsTooltip)
{
    CompassFrame frame;
    const QRect belowCentre(30, 150, 195, 30);
    EXPECT_EQ(countMaroonInk(frame.grab().toImage(), belowCentre), 0);

    frame.setRotatorStatus("Rotator not reachable at 127.0.0.1:4533", true);
    EXPECT_GT(countMaroonInk(frame.grab().toImage(), belowCentre), 20);
    EXPECT_EQ(frame.toolTip(), "Rotator not reachable at 127.0.0.1:4533");

    frame.setRotatorStatus(QString(), false);
    EXPECT_EQ(countMaroonInk(frame.grab().toImage(), belowCentre), 0);
    EXPECT_EQ(frame.toolTip(), "");
}

// It once ran across the foot of the frame, over the lowest ticks and "180".
TEST(RotatorStatus, HidesNoneOfTheScaleHoweverLong)
{
    CompassFrame frame;
    frame.showHeading(90);  // the arrow off the band's middle: only the status differs below
    const QImage plain = frame.grab().toImage();
    frame.setRotatorStatus("Rotator refused: Invalid parameter (RPRT -1) while turning to 224.2" + kDegree, true);
    const QImage withStatus = frame.grab().toImage();

    const QPointF centre(2 + 125.5, 2 + 125.5);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == withStatus.pixel(x, y)) continue;
            ++changed;
            // the numbers and ticks keep beyond 96 pixels from the centre
            EXPECT_LT(std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()), 96) << x << ", " << y;
        }
    EXPECT_GT(changed, 100);
}

}  // namespace
}  // namespace qvk::ui

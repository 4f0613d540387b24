// The antenna's needle and the rotator's status on the compass card: thin,
// under the arrow, and gone without a rotator.

#include "qstring_printer.h"
#include "ui/mainwindow/compass_frame.h"

#include <QImage>

#include <gtest/gtest.h>

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

// The cores of maroon letters: red without green, unlike the card's
// black ticks, its yellow and the amber.
int countMaroonInk(const QImage& picture, const QRect& area)
{
    return countPixels(picture, area,
                       [](const QColor& pixel) { return pixel.red() > 90 && pixel.green() < 40 && pixel.blue() < 40; });
}

TEST(AntennaNeedle, IsNotThereUntilARotatorReports)
{
    CompassFrame frame;
    EXPECT_EQ(frame.rotatorAzimuth(), std::nullopt);
    const QImage picture = frame.grab().toImage();
    EXPECT_EQ(countColour(picture, picture.rect(), kNeedleGreen), 0);
    EXPECT_EQ(frame.toolTip(), "");
}

TEST(AntennaNeedle, PointsFromTheCentreAtTheAntennasHeading)
{
    CompassFrame frame;  // the arrow points north, so east and west are clear
    frame.setRotatorAzimuth(90);
    QImage picture = frame.grab().toImage();
    EXPECT_TRUE(isNeedle(picture, 127 + 60, 127));
    EXPECT_FALSE(isNeedle(picture, 127 - 60, 127));

    frame.setRotatorAzimuth(270);
    picture = frame.grab().toImage();
    EXPECT_TRUE(isNeedle(picture, 127 - 60, 127));
    EXPECT_FALSE(isNeedle(picture, 127 + 60, 127));
}

TEST(AntennaNeedle, IsThinBesideTheArrow)
{
    CompassFrame frame;
    frame.setRotatorAzimuth(90);
    const QImage picture = frame.grab().toImage();
    int width = 0;
    for (int y = 127 - 10; y <= 127 + 10; ++y) width += isNeedle(picture, 127 + 60, y);
    EXPECT_GE(width, 1);
    EXPECT_LE(width, 3);  // the arrow's shaft is 6
}

TEST(AntennaNeedle, ItsTipShowsBeyondAnArrowThatCoversItsShaft)
{
    CompassFrame frame;  // arrow and antenna both north: on target
    frame.setRotatorAzimuth(0);
    const QImage picture = frame.grab().toImage();
    EXPECT_GT(countColour(picture, QRect(122, 26, 12, 6), kNeedleGreen), 0);
}

TEST(AntennaNeedle, GoesAwayWhenThePositionIsUnknown)
{
    CompassFrame frame;
    frame.setRotatorAzimuth(90);
    frame.setRotatorAzimuth(std::nullopt);
    const QImage picture = frame.grab().toImage();
    EXPECT_EQ(countColour(picture, picture.rect(), kNeedleGreen), 0);
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

TEST(RotatorStatus, AProblemShowsAtTheFootOfTheFrameAndAsItsTooltip)
{
    CompassFrame frame;
    const QRect foot(2, 255 - 2 - 13, 251, 13);
    EXPECT_EQ(countMaroonInk(frame.grab().toImage(), foot), 0);

    frame.setRotatorStatus("Rotator not reachable at 127.0.0.1:4533", true);
    EXPECT_GT(countMaroonInk(frame.grab().toImage(), foot), 20);
    EXPECT_EQ(frame.toolTip(), "Rotator not reachable at 127.0.0.1:4533");

    frame.setRotatorStatus(QString(), false);
    EXPECT_EQ(countMaroonInk(frame.grab().toImage(), foot), 0);
    EXPECT_EQ(frame.toolTip(), "");
}

}  // namespace
}  // namespace qvk::ui

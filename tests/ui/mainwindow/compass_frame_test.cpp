// The compass frame as the operator sees it: the card, and the arrow turned to
// the heading of the last result.

#include "ui/mainwindow/compass_frame.h"

#include "named_child.h"
#include "ui/common/pie_arrow.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qvk::ui {
namespace {

const QColor kFrameAmber(225, 168, 0);
const QColor kNavy(0, 0, 128);
const QColor kArrowOrange(255, 136, 72);

QPoint arrowStart(const CompassFrame& frame) { return {frame.arrow()->StartX(), frame.arrow()->StartY()}; }

QPoint arrowTarget(const CompassFrame& frame) { return {frame.arrow()->TargetX(), frame.arrow()->TargetY()}; }

bool isArrow(const QImage& picture, QPointF point)
{
    const QColor colour = picture.pixelColor(qFloor(point.x()), qFloor(point.y()));
    return colour == kNavy || colour == kArrowOrange;
}

// The tip lands on the target point, give or take the pixel the rasterizer
// leaves out at a bottom or right edge.
bool arrowTouches(const QImage& picture, QPointF point)
{
    for (const qreal dy : {-1, 0, 1}) {
        for (const qreal dx : {-1, 0, 1}) {
            if (isArrow(picture, point + QPointF(dx, dy))) return true;
        }
    }
    return false;
}

// How wide the arrow is across its line at `from`, in half-pixel steps.
qreal widthAcross(const QImage& picture, QPointF from, QPointF across)
{
    qreal width = 0;
    for (const int side : {-1, 1}) {
        qreal step = 0;
        while (step < 20 && isArrow(picture, from + side * step * across)) step += 0.5;
        width += step;
    }
    return width;
}

void expectPointingNorth(const CompassFrame& frame)
{
    EXPECT_EQ(frame.targetMarker(), QPoint(128, 33));
    EXPECT_EQ(frame.startMarker(), QPoint(128, 217));
    EXPECT_EQ(arrowStart(frame), QPoint(128, 217));
    EXPECT_EQ(arrowTarget(frame), QPoint(128, 33));
    EXPECT_EQ(frame.arrow()->geometry(), QRect(121, 26, 14, 198));
}

TEST(CompassFrame, StartsPointingNorthAndShowNorthReturnsThere)
{
    CompassFrame frame;
    EXPECT_EQ(frame.size(), QSize(255, 255));
    expectPointingNorth(frame);
    frame.showHeading(252);
    frame.showNorth();
    expectPointingNorth(frame);
}

class CompassFrameHeading : public ::testing::TestWithParam<int> {};

// The head is at the heading end: wide near the target, narrow near the start,
// and the card shows just beyond the tip.
TEST_P(CompassFrameHeading, DrawsTheHeadAtTheHeadingEnd)
{
    CompassFrame frame;
    frame.show();
    frame.showHeading(GetParam());
    EXPECT_EQ(arrowStart(frame), frame.startMarker());
    EXPECT_EQ(arrowTarget(frame), frame.targetMarker());
    const QImage picture = frame.grab().toImage();

    const QPointF start = QPointF(frame.startMarker()) + QPointF(0.5, 0.5);
    const QPointF target = QPointF(frame.targetMarker()) + QPointF(0.5, 0.5);
    const QPointF line = target - start;
    const QPointF along = line / std::hypot(line.x(), line.y());
    const QPointF across(-along.y(), along.x());
    // The head's base lies a tenth of the way back from the tip.
    const qreal nearTheTip = widthAcross(picture, target - 0.08 * line, across);
    const qreal nearTheStart = widthAcross(picture, start + 0.08 * line, across);
    EXPECT_GT(nearTheTip, nearTheStart + 2);
    EXPECT_TRUE(arrowTouches(picture, target));
    EXPECT_FALSE(isArrow(picture, target + 3 * along));
}

INSTANTIATE_TEST_SUITE_P(Compass, CompassFrameHeading, ::testing::Values(0, 44, 90, 136, 180, 252, 270, 300, 360),
                         [](const auto& info) { return "Heading" + std::to_string(info.param); });

// The markers stay hidden; the card is a disc: in the frame's corners the
// amber background shows, and the arrow lies over the card, not under it.
TEST(CompassFrame, ShowsTheAmberCornersAndTheArrowOverTheCardWithoutTheMarkers)
{
    CompassFrame frame;
    frame.show();
    for (const char* name : {"StartMarker", "TargetMarker"}) EXPECT_FALSE(child(frame, name).isVisible()) << name;
    EXPECT_TRUE(frame.arrow()->isVisible());
    const QImage picture = frame.grab().toImage();
    for (const QPoint corner : {QPoint(4, 4), QPoint(250, 4), QPoint(4, 250), QPoint(250, 250)}) {
        EXPECT_EQ(picture.pixelColor(corner), kFrameAmber) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(picture.pixelColor(128, 100), kArrowOrange);
}

}  // namespace
}  // namespace qvk::ui

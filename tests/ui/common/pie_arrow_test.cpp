// The arrow control: where it sits, how it follows its points, and what it
// paints on the surface under it.

#include "ui/common/pie_arrow.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace qvk::ui {
namespace {

const QColor kSurfaceGreen(200, 230, 200);
const QColor kPenNavy(0, 0, 128);
const QColor kBrushOrange(255, 136, 72);

// A plain green surface with one arrow on it, shown as the operator would see it.
class Surface {
public:
    Surface()
    {
        widget.resize(300, 300);
        widget.setAutoFillBackground(true);
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, kSurfaceGreen);
        widget.setPalette(palette);
        arrow = new TPieArrow(&widget);
        arrow->setPen(QPen(kPenNavy, 2));
        arrow->setBrush(kBrushOrange);
        widget.show();
    }

    void point(QPoint start, QPoint target, int arrowWidth)
    {
        arrow->setArrowWidth(arrowWidth);
        arrow->setStartX(start.x());
        arrow->setStartY(start.y());
        arrow->setTargetX(target.x());
        arrow->setTargetY(target.y());
    }

    QImage picture() { return widget.grab().toImage(); }

    QWidget widget;
    TPieArrow* arrow = nullptr;
};

enum class Seen { Surface, Pen, Brush, Other };

Seen seenAt(const QImage& picture, QPointF point)
{
    const QColor colour = picture.pixelColor(qFloor(point.x()), qFloor(point.y()));
    if (colour == kSurfaceGreen) return Seen::Surface;
    if (colour == kPenNavy) return Seen::Pen;
    if (colour == kBrushOrange) return Seen::Brush;
    return Seen::Other;
}

// What one meets walking from `from` in `direction`, each kind of pixel once
// per stretch, until the surface has been reached and seen for a while.
std::vector<Seen> walk(const QImage& picture, QPointF from, QPointF direction)
{
    std::vector<Seen> stretches;
    for (qreal step = 0; step <= 14; step += 0.5) {
        const Seen seen = seenAt(picture, from + step * direction);
        if (stretches.empty() || stretches.back() != seen) stretches.push_back(seen);
    }
    return stretches;
}

// How far from `from`, across the arrow, its pixels reach on one side.
qreal reach(const QImage& picture, QPointF from, QPointF direction)
{
    qreal step = 0;
    while (step < 20 && seenAt(picture, from + step * direction) != Seen::Surface) step += 0.5;
    return step;
}

QPointF unit(QPoint from, QPoint to)
{
    const QPointF along = to - from;
    return along / std::hypot(along.x(), along.y());
}

QPointF pixelCentre(QPoint point) { return QPointF(point) + QPointF(0.5, 0.5); }

// The tip lands on the target point, give or take the pixel the rasterizer
// leaves out at a bottom or right edge.
bool penTouches(const QImage& picture, QPoint point)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (seenAt(picture, pixelCentre(point + QPoint(dx, dy))) == Seen::Pen) return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- bounds

struct BoundsCase {
    const char* name;
    QPoint start;
    QPoint target;
    int arrowWidth;
    QRect bounds;
};

void PrintTo(const BoundsCase& example, std::ostream* os) { *os << example.name; }

class PieArrowBounds : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(PieArrowBounds, EncloseBothPointsWithAMarginOfTheArrowWidthPlusOne)
{
    Surface surface;
    surface.point(GetParam().start, GetParam().target, GetParam().arrowWidth);
    EXPECT_EQ(surface.arrow->geometry(), GetParam().bounds);
    surface.arrow->resize(40, 40);  // resized from outside: it takes back the size its points need
    EXPECT_EQ(surface.arrow->geometry(), GetParam().bounds);
}

INSTANTIATE_TEST_SUITE_P(PieArrow, PieArrowBounds,
                         ::testing::Values(BoundsCase{"CompassNorth", {128, 217}, {128, 33}, 6, {121, 26, 14, 198}},
                                           BoundsCase{"CompassSouthWest", {186, 57}, {67, 192}, 6, {60, 50, 133, 149}},
                                           BoundsCase{"WorldMapPointingRight", {15, 15}, {91, 15}, 9, {5, 5, 96, 20}}),
                         [](const auto& info) { return std::string(info.param.name); });

// from (10, 10) to (60, 60), ten pixels wide
TEST(PieArrowDefaults, PointFromTenTenToSixtySixty)
{
    QWidget surface;
    EXPECT_EQ(TPieArrow(&surface).geometry(), QRect(-1, -1, 72, 72));
}

// ---------------------------------------------------------------- moving

// The world map drags its arrow by moving the control; the arrow is hidden at
// the time, when Qt holds move events back until it is shown.
class PieArrowMovedFromOutside : public ::testing::TestWithParam<bool> {};

TEST_P(PieArrowMovedFromOutside, CarriesBothPointsAlong)
{
    Surface surface;
    surface.point({15, 15}, {91, 15}, 9);
    surface.arrow->setVisible(GetParam());

    surface.arrow->move(26, 35);
    EXPECT_EQ(QPoint(surface.arrow->StartX(), surface.arrow->StartY()), QPoint(36, 45));
    EXPECT_EQ(QPoint(surface.arrow->TargetX(), surface.arrow->TargetY()), QPoint(112, 45));
    EXPECT_EQ(surface.arrow->geometry(), QRect(26, 35, 96, 20));

    // The next change starts from the moved points, not from the old ones.
    surface.arrow->setTargetX(120);
    EXPECT_EQ(surface.arrow->geometry(), QRect(26, 35, 104, 20));
    surface.arrow->setVisible(true);
    EXPECT_EQ(surface.arrow->geometry(), QRect(26, 35, 104, 20));
}

INSTANTIATE_TEST_SUITE_P(PieArrow, PieArrowMovedFromOutside, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Shown" : "Hidden"); });

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// A setter repaints the arrow when its value changes, and only then.
TEST(PieArrowSetters, RepaintOnlyForANewValue)
{
    Surface surface;
    surface.point({128, 217}, {128, 33}, 6);
    surface.arrow->setTransparent(false);
    QCoreApplication::processEvents();
    PaintCounter counter;
    surface.arrow->installEventFilter(&counter);

    surface.point({128, 217}, {128, 33}, 6);
    surface.arrow->setArrowType(ptNormal);
    surface.arrow->setTransparent(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(surface.arrow->geometry(), QRect(121, 26, 14, 198));

    surface.arrow->setStartX(130);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);

    counter.paints = 0;
    surface.arrow->setBrush(Qt::yellow);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(surface.picture().pixelColor(surface.arrow->geometry().center()), QColor(Qt::yellow));
}

TEST(PieArrowClick, ReleasingAMouseButtonOnTheArrowIsReported)
{
    Surface surface;
    surface.point({15, 15}, {91, 15}, 9);
    QSignalSpy released(surface.arrow, &TPieArrow::released);
    QTest::mouseClick(surface.arrow, Qt::LeftButton, {}, QPoint(48, 10));
    EXPECT_EQ(released.count(), 1);
}

// ---------------------------------------------------------------- painting

struct PaintCase {
    const char* name;
    QPoint start;
    QPoint target;
};

void PrintTo(const PaintCase& example, std::ostream* os) { *os << example.name; }

class PieArrowPainting : public ::testing::TestWithParam<PaintCase> {};

// Across the middle of the shaft: brush, then the pen's outline, then the
// surface, on both sides; the head near the tip is wider than the shaft; the
// tip is the target point and nothing lies beyond it. Transparent, the
// outline alone.
TEST_P(PieArrowPainting, FillsTheOutlineOrNotAndLeavesTheSurfaceAround)
{
    Surface surface;
    const QPoint start = GetParam().start, target = GetParam().target;
    surface.point(start, target, 6);
    const QImage picture = surface.picture();

    const QPointF along = unit(start, target);
    const QPointF across(-along.y(), along.x());
    const QPointF middle = pixelCentre(surface.arrow->geometry().center());
    const std::vector<Seen> acrossTheShaft{Seen::Brush, Seen::Pen, Seen::Surface};
    EXPECT_EQ(walk(picture, middle, across), acrossTheShaft);
    EXPECT_EQ(walk(picture, middle, -across), acrossTheShaft);

    const qreal shaft = reach(picture, middle, across) + reach(picture, middle, -across);
    EXPECT_GE(shaft, 6);
    EXPECT_LE(shaft, 10);
    const QPointF nearTheTip = pixelCentre(target) - 0.08 * QPointF(target - start);  // the head's base is at 0.1
    const qreal head = reach(picture, nearTheTip, across) + reach(picture, nearTheTip, -across);
    EXPECT_GT(head, shaft + 2);

    EXPECT_TRUE(penTouches(picture, target));
    EXPECT_EQ(seenAt(picture, pixelCentre(target) + 3 * along), Seen::Surface);

    const QRect bounds = surface.arrow->geometry();
    for (const QPoint corner : {bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight()}) {
        EXPECT_EQ(seenAt(picture, corner), Seen::Surface) << "corner " << corner.x() << "," << corner.y();
    }

    // transparent: the outline only
    surface.arrow->setTransparent(true);
    const QImage outline = surface.picture();
    const std::vector<Seen> acrossTheOutline{Seen::Surface, Seen::Pen, Seen::Surface};
    EXPECT_EQ(walk(outline, middle, across), acrossTheOutline);
    EXPECT_EQ(walk(outline, middle, -across), acrossTheOutline);
}

INSTANTIATE_TEST_SUITE_P(
    PieArrow, PieArrowPainting,
    ::testing::Values(PaintCase{"Up", {128, 217}, {128, 33}}, PaintCase{"Down", {128, 33}, {128, 217}},
                      PaintCase{"Right", {42, 128}, {218, 128}}, PaintCase{"Left", {218, 128}, {42, 128}},
                      PaintCase{"UpRight", {67, 192}, {193, 62}}, PaintCase{"DownRight", {63, 65}, {191, 189}},
                      PaintCase{"DownLeft", {193, 62}, {67, 192}}, PaintCase{"UpLeft", {191, 189}, {63, 65}},
                      PaintCase{"SteepUpRight", {123, 217}, {134, 33}},
                      PaintCase{"FlatDownLeft", {218, 119}, {41, 137}}),
    [](const auto& info) { return std::string(info.param.name); });

// A gap in the outline lets the fill run out to the whole control: the
// operator sees an orange box. Every direction, at both widths in use.
class PieArrowEveryDirection : public ::testing::TestWithParam<int> {};

TEST_P(PieArrowEveryDirection, KeepsTheFillInsideTheOutline)
{
    Surface surface;
    const QPoint centre(150, 150);
    for (int degrees = 0; degrees < 360; degrees += 2) {
        SCOPED_TRACE(degrees);
        const qreal angle = degrees * std::numbers::pi / 180;
        const QPoint reachOut(qRound(90 * std::sin(angle)), qRound(-90 * std::cos(angle)));
        surface.point(centre - reachOut, centre + reachOut, GetParam());
        const QImage picture = surface.picture();

        const QRect bounds = surface.arrow->geometry();
        EXPECT_EQ(seenAt(picture, pixelCentre(bounds.center())), Seen::Brush);
        EXPECT_TRUE(penTouches(picture, centre + reachOut));
        for (const QPoint corner : {bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight()}) {
            EXPECT_EQ(seenAt(picture, corner), Seen::Surface);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PieArrow, PieArrowEveryDirection, ::testing::Values(6, 9));

}  // namespace
}  // namespace qvk::ui

// The World Map window as it first opens: its size on the desktop, its
// controls side by side, and what they show at first.

#include "layout_checks.h"
#include "world_map_fixture.h"

#include <QComboBox>

#include <iterator>
#include <set>
#include <vector>

namespace qvk::ui {
namespace {

TEST_F(WorldMapTest, OpensCentredFillingTheDesktopUpTo1139By627)
{
    const std::pair<QSize, QRect> rows[] = {
        {QSize(1024, 768), QRect(0, 71, 1024, 627)},
        {QSize(1920, 1080), QRect(391, 227, 1139, 627)},
        {QSize(800, 600), QRect(0, 0, 800, 600)},
    };
    for (const auto& [desktop, outer] : rows) {
        platform.desktop = desktop;
        open();
        EXPECT_EQ(outerGeometry(*window), outer) << desktop.width();
        // the toolbar and the viewport stretch with the window, a pixel or two beyond it as laid out
        EXPECT_EQ(find("Panel8").width(), window->width() + 2) << desktop.width();
        EXPECT_EQ(find("Panel2").width(), window->width() + 1) << desktop.width();
        EXPECT_EQ(find("Panel2").height(), 552) << desktop.width();
        window->close();
    }
    EXPECT_EQ(window->windowTitle(), "World Map");
    EXPECT_EQ(platform.modalWindows, QStringList({"WorldMap", "WorldMap", "WorldMap"}));
}

TEST_F(WorldMapTest, TheToolbarHoldsItsControlsSideBySideAndThePanPadAsThreeRowsOfThree)
{
    open();
    const QLabel& label = searchListLabel();
    std::vector<const QWidget*> controls = {&find("SpeedButton2"), &find("SpeedButton1"), &label, &box()};
    std::vector<const QWidget*> pad;
    for (int number = 3; number <= 11; ++number) pad.push_back(&find(QString("SpeedButton%1").arg(number).toLatin1()));
    controls.insert(controls.end(), pad.begin(), pad.end());
    EXPECT_EQ(cutOff(controls, find("Panel8")), QStringList{});
    EXPECT_EQ(overlapping(controls, *window), QStringList{});

    // the label names the list right under it, and shows whole
    EXPECT_TRUE(hasRoomFor(label, label.text()));
    EXPECT_LE(placeIn(label, *window).left(), placeIn(box(), *window).left() + 4);
    EXPECT_LT(placeIn(label, *window).top(), placeIn(box(), *window).top());

    // three columns and three rows of buttons, each place taken once, the centre button in the middle
    std::set<int> columns, rows;
    for (const QWidget* button : pad) {
        columns.insert(button->x());
        rows.insert(button->y());
    }
    ASSERT_EQ(columns.size(), 3u);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(find("SpeedButton7").x(), *std::next(columns.begin()));
    EXPECT_EQ(find("SpeedButton7").y(), *std::next(rows.begin()));

    // the map lies under the toolbar, its picture filling it
    EXPECT_GE(placeIn(find("Panel2"), *window).top(), placeIn(find("Panel8"), *window).bottom());
    EXPECT_EQ(find("Image1").size(), map().size());
}

TEST_F(WorldMapTest, TheControlsStartAsTheOperatorFirstSeesThem)
{
    open();
    for (int number = 3; number <= 11; ++number)
        EXPECT_EQ(find(QString("SpeedButton%1").arg(number).toLatin1()).toolTip(), "Drag map with mouse also.");
    EXPECT_TRUE(find<QToolButton>("SpeedButton2").isChecked()) << "the follow toggle is down at start";

    EXPECT_EQ(box().count(), 398);
    EXPECT_EQ(box().itemText(0), "1A0  Malta");
    EXPECT_EQ(box().itemText(15), "XV  Vietnam");  // right after "3W  Vietnam": the list is not sorted
    EXPECT_EQ(box().maxVisibleItems(), 20);
    EXPECT_EQ(box().currentText(), "");
    EXPECT_TRUE(box().hasFocus());
    auto& tails = find<QComboBox>("ComboBox2");
    EXPECT_FALSE(tails.isVisible());
    EXPECT_EQ(tails.count(), 398);
    EXPECT_EQ(tails.itemText(0), "#a577#b162");

    EXPECT_EQ(arrow().size(), QSize(96, 20));
    EXPECT_LT(arrow().StartX(), arrow().TargetX()) << "the arrow points right";
    EXPECT_EQ(arrow().StartY(), arrow().TargetY());
    EXPECT_EQ(arrow().pos(), QPoint(26, 35));
    EXPECT_FALSE(arrow().isVisible());
    EXPECT_EQ(square().size(), QSize(33, 33));
    EXPECT_FALSE(square().isVisible());
    EXPECT_EQ(anchor().size(), QSize(4, 4));
    EXPECT_FALSE(anchor().isVisible());
    EXPECT_FALSE(box().closeWatch().isActive());
    EXPECT_EQ(box().closeWatch().objectName(), "Timer1");
    EXPECT_EQ(window->nudgeStep(), 1);
}

}  // namespace
}  // namespace qvk::ui

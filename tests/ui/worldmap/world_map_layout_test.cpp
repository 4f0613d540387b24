// The World Map window as it first opens: its size on the desktop and its
// controls at their places.

#include "world_map_fixture.h"

#include <QComboBox>

#include <algorithm>

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

TEST_F(WorldMapTest, TheControlsStandWhereTheyAreLaidOut)
{
    open();
    const std::pair<const char*, QRect> places[] = {
        {"SpeedButton2", {288, 3, 34, 32}},  {"SpeedButton1", {330, 3, 34, 32}},   {"SpeedButton8", {375, 0, 13, 13}},
        {"SpeedButton5", {388, 0, 13, 13}},  {"SpeedButton9", {401, 0, 13, 13}},   {"SpeedButton4", {375, 13, 13, 12}},
        {"SpeedButton7", {388, 13, 13, 12}}, {"SpeedButton3", {401, 13, 13, 12}},  {"SpeedButton11", {375, 25, 13, 12}},
        {"SpeedButton6", {388, 25, 13, 12}}, {"SpeedButton10", {401, 25, 13, 12}}, {"ComboBox1", {423, 13, 358, 23}},
        {"Panel2", {0, 39, 1017, 552}},      {"Panel3", {1, 1, 1133, 556}},        {"Image1", {0, 0, 1133, 556}},
    };
    for (const auto& [name, place] : places) EXPECT_EQ(find(name).geometry(), place) << name;
    for (int number = 3; number <= 11; ++number)
        EXPECT_EQ(find(QString("SpeedButton%1").arg(number).toLatin1()).toolTip(), "Drag map with mouse also.");

    EXPECT_TRUE(find<QToolButton>("SpeedButton2").isChecked()) << "the follow toggle is down at start";
    const auto labels = window->findChildren<QLabel*>();
    const auto label = std::find_if(labels.begin(), labels.end(),
                                    [](const QLabel* each) { return each->text() == "DXCC Search List:"; });
    ASSERT_NE(label, labels.end());
    EXPECT_EQ((*label)->pos(), QPoint(425, 0));

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
    EXPECT_EQ(arrow().ArrowWidth(), 9);
    EXPECT_EQ(arrow().Brush().color(), QColor(Qt::yellow));
    EXPECT_EQ(arrow().Pen().color(), QColor(0, 0, 128));
    EXPECT_EQ(arrow().Pen().width(), 2);
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

TEST_F(WorldMapTest, TheWindowAndTheViewportHaveTheirColours)
{
    open();
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(224, 192, 120));
    EXPECT_EQ(find("Panel2").palette().color(QPalette::Window), QColor(225, 195, 120));
    EXPECT_EQ(box().palette().color(QPalette::Base), QColor(Qt::white));
}

}  // namespace
}  // namespace qvk::ui

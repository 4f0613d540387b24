// The World Map window as the operator uses it: searching the list,
// committing an entry, the follow toggle, the pan pad, dragging the map and
// the anchor keys.

#include "world_map_fixture.h"

#include <QMouseEvent>

namespace qvk::ui {
namespace {

TEST_F(WorldMapTest, Typing4kGives4JWithTheCaretAtItsEndAndTheListOpen)
{
    open();
    type("4k");
    EXPECT_EQ(box().currentText(), "4J");  // upper-cased, then rewritten through the alias table
    EXPECT_EQ(box().lineEdit()->cursorPosition(), 2);
    EXPECT_TRUE(box().isListOpen());
    EXPECT_EQ(box().view()->currentIndex().data().toString(), "4J-4K  Azerbaijan");
    EXPECT_TRUE(box().closeWatch().isActive());
    EXPECT_EQ(box().closeWatch().interval(), 100);
}

TEST_F(WorldMapTest, TheHighlightFollowsTheListsOwnOrder)
{
    open();
    type("x");
    // "XV  Vietnam" stands at 16th place, long before "XA4-XI4  Revilla Gigedo"
    EXPECT_EQ(box().view()->currentIndex().data().toString(), "XV  Vietnam");
}

TEST_F(WorldMapTest, AtMost20CharactersCanBeTypedButALongEntryIsCommittedWhole)
{
    open();
    type("zyxwvutsrqponmlkjihgfedcba");
    EXPECT_EQ(box().currentText(), "ZYXWVUTSRQPONMLKJIHG");

    letListClose();
    choose("zd9");
    EXPECT_EQ(box().currentText(), "ZD9  Tristan da Cunha Island & Gough Island");
    EXPECT_TRUE(square().isVisible());
}

TEST_F(WorldMapTest, CommittingAnEntryPointsItsMarkerAtItAndScrollsToItsSide)
{
    open();
    click("SpeedButton10");  // start from the bottom-left corner, away from both edges it goes to
    click("SpeedButton11");
    choose("1a0");
    EXPECT_EQ(box().currentText(), "1A0  Malta");
    EXPECT_TRUE(arrow().isVisible());
    EXPECT_EQ(QPoint(arrow().TargetX(), arrow().TargetY()), QPoint(578, 156)) << "the tip on Malta";
    EXPECT_EQ(arrow().pos(), QPoint(492, 146));
    EXPECT_EQ(anchor().pos(), QPoint(577, 154));
    EXPECT_FALSE(anchor().isVisible());
    EXPECT_FALSE(square().isVisible());
    EXPECT_EQ(mapPosition(), QPoint(-116, 0));
    // the list keeps the focus with its text selected, so the next key replaces it
    EXPECT_TRUE(box().hasFocus());
    EXPECT_EQ(box().lineEdit()->selectedText(), "1A0  Malta");
    EXPECT_FALSE(box().closeWatch().isActive());

    choose("1s");  // a square: the arrow goes
    EXPECT_EQ(box().currentText(), "1S  Spratly Island");
    EXPECT_TRUE(square().isVisible());
    EXPECT_EQ(square().pos(), QPoint(869, 225));
    EXPECT_EQ(anchor().pos(), QPoint(865, 225));
    EXPECT_FALSE(arrow().isVisible());
    EXPECT_EQ(box().lineEdit()->selectedText(), "1S  Spratly Island");

    choose("kc4");  // right and bottom
    EXPECT_EQ(box().currentText(), "KC4  Antarctica");
    EXPECT_EQ(anchor().pos(), QPoint(878, 529));
    EXPECT_EQ(QPoint(arrow().TargetX(), arrow().TargetY()), QPoint(879, 531));
    EXPECT_EQ(mapPosition(), QPoint(-116, -4));
}

TEST_F(WorldMapTest, TypingAPrefixFindsTodaysEntityUnderItsOwnName)
{
    // Entities that the list once lacked, and names that were plainly wrong
    // (FJ is Saint Barthelemy; Saint Martin is FS).
    open();
    const std::pair<const char*, const char*> rows[] = {
        {"z6", "Z6  Kosovo"},
        {"z8", "Z8  South Sudan"},
        {"kh8/s", "KH8/S  Swains Island"},
        {"pj2", "PJ2  Curacao"},
        {"pj4", "PJ4  Bonaire"},
        {"pj6", "PJ5  Saba & St. Eustatius"},  // PJ6 is an alias of PJ5
        {"ua9", "UA9  Asiatic Russia"},
        {"fj", "FJ  Saint Barthelemy"},
        {"er", "ER  Moldova"},
        {"tl", "TL  Central African Republic"},
    };
    for (const auto& [typed, entry] : rows) {
        choose(typed);
        EXPECT_EQ(box().currentText(), QString(entry)) << typed;
        EXPECT_NE(arrow().isVisible(), square().isVisible()) << entry << ": one marker shows where it lies";
    }
    for (const char* typed : {"pj7", "pj8"}) {  // Sint Maarten, not Saba
        choose(typed);
        EXPECT_EQ(box().currentText(), "PJ7  Sint Maarten") << typed;
        EXPECT_TRUE(square().isVisible());
    }
}

TEST_F(WorldMapTest, AnUnknownTextHidesTheArrowAndLeavesTheSquare)
{
    open();
    choose("1a0");
    ASSERT_TRUE(arrow().isVisible());
    type("zzz");
    letListClose();
    EXPECT_EQ(box().currentText(), "ZZZ");
    EXPECT_FALSE(arrow().isVisible());
    EXPECT_TRUE(box().hasFocus());

    choose("1s");
    ASSERT_TRUE(square().isVisible());
    const QPoint map = mapPosition();
    type("1a0  malta");  // upper-cased as typed: "1A0  MALTA" is no entry
    letListClose();
    EXPECT_TRUE(square().isVisible());
    EXPECT_EQ(square().pos(), QPoint(869, 225));
    EXPECT_FALSE(arrow().isVisible());
    EXPECT_EQ(mapPosition(), map);
}

TEST_F(WorldMapTest, EntriesNearTheThresholdsScrollToTheirSides)
{
    open();
    const std::pair<const char*, QPoint> rows[] = {
        {"jw", {0, 0}},       // Svalbard: anchor 567, 22
        {"tr", {-116, 0}},    // Gabon: anchor 570, 280
        {"5h", {-116, 0}},    // Tanzania: anchor 640, 298
        {"h40", {-116, -4}},  // Temotu Province: square, anchor 1033, 301
        {"kh3", {0, 0}},      // Johnston Island: square, anchor 0, 210
    };
    for (const auto& [typed, map] : rows) {
        click("SpeedButton7");
        choose(typed);
        EXPECT_EQ(mapPosition(), map) << typed;
    }
}

TEST_F(WorldMapTest, WithTheFollowToggleUpTheMapStaysWhereItIs)
{
    open();
    click("SpeedButton2");
    EXPECT_FALSE(find<QToolButton>("SpeedButton2").isChecked());
    click("SpeedButton7");
    choose("1a0");
    EXPECT_TRUE(arrow().isVisible());
    EXPECT_EQ(mapPosition(), QPoint(-58, -2));
    click("SpeedButton2");
    choose("kc4");
    EXPECT_EQ(mapPosition(), QPoint(-116, -4));
}

TEST_F(WorldMapTest, ThePanPadPutsTheMapAgainstTheEdgeEachButtonShows)
{
    open();
    const std::pair<const char*, QPoint> rows[] = {
        {"SpeedButton8", {0, 0}},   {"SpeedButton5", {-30, 0}},  {"SpeedButton9", {-116, 0}},
        {"SpeedButton4", {0, -1}},  {"SpeedButton7", {-58, -2}}, {"SpeedButton3", {-116, -1}},
        {"SpeedButton11", {0, -4}}, {"SpeedButton6", {-30, -4}}, {"SpeedButton10", {-116, -4}},
    };
    for (const auto& [button, expected] : rows) {
        map().move(-30, -1);
        click(button);
        EXPECT_EQ(mapPosition(), expected) << button;
        EXPECT_TRUE(box().hasFocus()) << button << " took the focus from the list";
    }
}

// The operator's mouse on the map: pressed on a control, moved by offsets
// on the screen, released. The events carry screen positions, as the map
// panel moves under the pointer.
class MouseDrag {
public:
    explicit MouseDrag(QWidget& target, Qt::MouseButton button = Qt::LeftButton)
        : target_(target),
          button_(button),
          at_(target.mapToGlobal(QPoint(20, 10)))
    {
        send(QEvent::MouseButtonPress, button_, button_);
    }
    void moveBy(QPoint offset)
    {
        at_ += offset;
        send(QEvent::MouseMove, Qt::NoButton, button_);
    }
    void release() { send(QEvent::MouseButtonRelease, button_, Qt::NoButton); }

private:
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF local = target_.mapFromGlobal(QPointF(at_));
        QMouseEvent event(type, local, local, QPointF(at_), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&target_, &event);
    }

    QWidget& target_;
    Qt::MouseButton button_;
    QPoint at_;
};

void drag(QWidget& target, std::initializer_list<QPoint> offsets, Qt::MouseButton button = Qt::LeftButton)
{
    MouseDrag mouse(target, button);
    for (const QPoint offset : offsets) mouse.moveBy(offset);
    mouse.release();
}

TEST_F(WorldMapTest, DraggingTheMapFollowsTheMouseAndIsPulledBackAfterTheRelease)
{
    open();
    QWidget& picture = find("Image1");
    click("SpeedButton8");

    drag(picture, {{-20, -1}, {-10, -1}});
    EXPECT_EQ(mapPosition(), QPoint(-30, -2));

    MouseDrag far(picture);
    far.moveBy({300, 200});
    EXPECT_EQ(mapPosition(), QPoint(270, 198)) << "while the button is held the map follows freely";
    far.release();
    EXPECT_EQ(mapPosition(), QPoint(0, 0)) << "far to the right and down: back to the left and top edges";

    drag(picture, {{-400, -300}});
    EXPECT_EQ(mapPosition(), QPoint(-116, -4));

    drag(map(), {{50, 2}});  // the map panel itself
    EXPECT_EQ(mapPosition(), QPoint(-66, -2));

    drag(picture, {{60, 0}}, Qt::RightButton);
    EXPECT_EQ(mapPosition(), QPoint(-66, -2)) << "only the left button drags";
}

TEST_F(WorldMapTest, AMapNarrowerThanAWideViewportStaysAtEitherEdge)
{
    platform.desktop = QSize(1133 + frameWidth(), 768);  // a 1134-pixel viewport for the 1133-pixel map
    open();
    QWidget& picture = find("Image1");
    drag(picture, {{-200, -200}});
    EXPECT_EQ(mapPosition(), QPoint(0, -4));
    drag(picture, {{400, 0}});
    EXPECT_EQ(mapPosition(), QPoint(1, -4));
}

TEST_F(WorldMapTest, PressingOnTheArrowOrTheSquareDoesNotDragTheMapAndClickingTheArrowHidesIt)
{
    open();
    choose("1a0");
    const QPoint map = mapPosition();
    drag(arrow(), {{-80, 0}});
    EXPECT_EQ(mapPosition(), map);
    choose("1a0");
    ASSERT_TRUE(arrow().isVisible());
    QTest::mouseClick(&arrow(), Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_FALSE(arrow().isVisible());
    choose("1s");
    drag(square(), {{-80, 0}});
    EXPECT_EQ(mapPosition(), map);
}

TEST_F(WorldMapTest, TypingSMovesTheAnchorAndTheArrowWhileShiftSDoesNot)
{
    open();
    choose("1a0");
    type("s");  // replaces the selected text and opens the list
    EXPECT_EQ(box().currentText(), "S");
    EXPECT_EQ(anchor().pos(), QPoint(577, 155));
    EXPECT_EQ(arrow().pos(), QPoint(492, 147));

    QTest::keyClick(box().view(), 'S', Qt::ShiftModifier);
    EXPECT_EQ(box().currentText(), "SS");
    EXPECT_EQ(anchor().pos(), QPoint(577, 155));
    EXPECT_EQ(arrow().pos(), QPoint(492, 147));
}

TEST_F(WorldMapTest, TheNumberKeysSetTheNudgeStepForWASD)
{
    open();
    choose("1a0");
    struct Row {
        char key;
        int step;
        QPoint anchor;
    };
    // typed one after the other, each into the open list
    const Row rows[] = {
        {'2', 10, {577, 154}}, {'d', 10, {587, 154}}, {'w', 10, {587, 144}}, {'3', 20, {587, 144}},
        {'a', 20, {567, 144}}, {'s', 20, {567, 164}}, {'1', 1, {567, 164}},  {'w', 1, {567, 163}},
        {'W', 1, {567, 163}},  {'x', 1, {567, 163}},
    };
    for (const Row& row : rows) {
        type(QString(QChar(row.key)));
        EXPECT_EQ(window->nudgeStep(), row.step) << row.key;
        EXPECT_EQ(anchor().pos(), row.anchor) << row.key;
        EXPECT_EQ(QPoint(arrow().TargetX(), arrow().TargetY()), row.anchor + QPoint(1, 2))
            << row.key << ": the arrow's tip follows the anchor";
    }
    EXPECT_FALSE(anchor().isVisible());
}

TEST_F(WorldMapTest, ReopeningKeepsTheMapMarkersAndStepButEmptiesTheList)
{
    open();
    type("2");
    QTest::keyClick(box().view(), Qt::Key_Backspace);
    choose("kc4");  // no nudge key in it
    click("SpeedButton2");
    click("SpeedButton11");
    click("SpeedButton1");
    EXPECT_FALSE(window->isVisible());

    open();
    EXPECT_EQ(box().currentText(), "");
    EXPECT_TRUE(box().hasFocus());
    EXPECT_TRUE(arrow().isVisible());
    EXPECT_EQ(arrow().pos(), QPoint(26, 35)) << "until a key or a commit attaches it again";
    EXPECT_EQ(mapPosition(), QPoint(0, -4));
    EXPECT_FALSE(find<QToolButton>("SpeedButton2").isChecked());
    EXPECT_EQ(window->nudgeStep(), 10);

    type("k");
    EXPECT_EQ(arrow().pos(), QPoint(793, 521));
}

TEST_F(WorldMapTest, TheTitleBarsCloseBoxClosesTheWindowButEscapeDoesNot)
{
    open();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WorldMapTest, TypingMovesThePointerOffTheListWhenItIsOverTheListsSide)
{
    open();
    const QPoint column = window->mapToGlobal(QPoint(403, 0));
    struct Row {
        QPoint pointer;
        QPoint after;
    };
    const Row rows[] = {
        {{423, 363}, {column.x(), column.y() + 363}},
        {{900, 10}, {column.x(), column.y() + 10}},
        {{422, 10}, {422, 10}},
        {{900, 364}, {900, 364}},
    };
    for (const Row& row : rows) {
        platform.cursor = row.pointer;
        type("k");
        EXPECT_EQ(platform.cursor, row.after) << row.pointer.x() << ", " << row.pointer.y();
    }
}

TEST_F(WorldMapTest, OpeningTheListWithItsButtonEmptiesTheTextAndTheCloseWatchCommits)
{
    open();
    box().setEditText("1A0  Malta");
    box().showPopup();
    EXPECT_EQ(box().currentText(), "");
    EXPECT_TRUE(box().closeWatch().isActive());
    box().hidePopup();
    box().setEditText("5W  Samoa");  // as if picked while open
    reactivate();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box().closeWatch().isActive(); }, 5000));
    EXPECT_TRUE(arrow().isVisible());
    EXPECT_EQ(anchor().pos(), QPoint(1101, 320));
}

}  // namespace
}  // namespace qvk::ui

#pragma once
// The Clocks window as the operator drives it, on a fake platform whose clock
// the test sets, with a clocks file written for each test.

#include "fake_platform.h"
#include "layout_checks.h"
#include "named_child.h"
#include "qstring_printer.h"
#include "ui/clocks/clock2.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace qvk::ui {

// 10 right of and 30 below the centre of FakePlatform's 1024 x 768 desktop
inline const QPoint kUnderTheHand(522, 414);
// The clock ticks every 450 ms; the limit is for a loaded machine.
inline constexpr int kPatience = 5000;

using Places = std::map<int, std::string>;

// A flag line of zeros with "1" for the rows on daylight-saving time (character 27 + row).
inline std::string flagLineWith(const std::set<int>& daylightRows)
{
    std::string line(57, '0');
    for (int row : daylightRows) line[static_cast<std::size_t>(26 + row)] = '1';
    return line;
}

inline QByteArray clocksFile(const std::string& flagLine, const Places& places)
{
    QByteArray bytes = QByteArray::fromStdString(flagLine) + "\r\n";
    for (int row = 1; row <= 24; ++row) {
        const auto place = places.find(row);
        bytes += QByteArray::fromStdString(place == places.end() ? std::string() : place->second) + "\r\n";
    }
    return bytes;
}

inline QDateTime utcAt(int hour, int minute) { return QDateTime(QDate(2026, 12, 7), QTime(hour, minute), Qt::UTC); }

class ClocksWindow : public ::testing::Test {
protected:
    void create(const QByteArray& fileBytes)
    {
        platform.writeFile("tms.qvk", fileBytes);
        clocks = std::make_unique<TClock2>(platform);
    }
    void create(const Places& places, const std::set<int>& daylightRows = {})
    {
        create(clocksFile(flagLineWith(daylightRows), places));
    }

    void open()
    {
        clocks->show();
        clocks->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(clocks.get()));
    }

    template <typename Control = QWidget> Control& control(const QString& name)
    {
        return child<Control>(*clocks, name);
    }
    QLabel& panel(int row) { return control<QLabel>(QString("Panel%1").arg(row)); }
    QLineEdit& box(int row) { return control<QLineEdit>(QString("Edit%1").arg(row)); }
    QToolButton& ok() { return control<QToolButton>("SpeedButton1"); }
    QToolButton& reset() { return control<QToolButton>("SpeedButton2"); }
    QMenu& popupMenu() { return control<QMenu>("PopupMenu1"); }
    // Everything the window shows at all times: the home time and GMT with
    // their captions, the 24 rows, "Help", "Military", OK and Reset.
    std::vector<const QWidget*> shownControls()
    {
        std::vector<const QWidget*> controls;
        for (const char* name :
             {"Edit0", "RxClock2", "Edit26", "Panel25", "RxLabel1", "CheckBox1", "SpeedButton1", "SpeedButton2"})
            controls.push_back(&control(name));
        for (int row = 1; row <= 24; ++row) controls.insert(controls.end(), {&panel(row), &box(row)});
        return controls;
    }

    void click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(&widget, button); }

    void typeInto(int row, const QString& text)
    {
        QLineEdit& place = box(row);
        click(place);
        place.selectAll();
        QTest::keyClicks(&place, text);
    }

    void chooseFromPopup(const QString& choice)
    {
        QMenu& menu = popupMenu();
        ASSERT_TRUE(menu.isVisible());
        for (QAction* action : menu.actions())
            if (action->text() == choice)
                return QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        FAIL() << "no menu item " << choice.toStdString();
    }

    bool waitForText(const QLabel& label, const QString& text)
    {
        return QTest::qWaitFor([&] { return label.text() == text; }, kPatience);
    }
    bool waitForGmt(const QString& text) { return waitForText(control<QLabel>("Panel25"), text); }
    // The home clock follows the local time at every tick, paused or not:
    // once it shows a new minute, a tick has come and gone.
    bool waitForHomeClock(const QString& text) { return waitForText(control<QLabel>("RxClock2"), text); }
    void moveTheClockOnAMinute()
    {
        platform.utc = platform.utc.addSecs(60);
        platform.local = platform.local.addSecs(60);
    }

    // Line n of the clocks file, without its line end.
    QByteArray fileLine(int number)
    {
        QByteArray line = platform.readFile("tms.qvk").split('\n').value(number - 1);
        if (line.endsWith('\r')) line.chop(1);
        return line;
    }

    FakePlatform platform;
    std::unique_ptr<TClock2> clocks;
};

}  // namespace qvk::ui

// What the title bars say: the captions as the X window system receives them
// (_NET_WM_NAME), each window's own caption with the program's name after it.
// Run on an X display (xvfb-run), since Qt's off-screen platform passes no
// caption anywhere.

#include "app/qvk/program_windows.h"
#include "fake_platform.h"
#include "qstring_printer.h"
#include "ui/common/desktop_platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace qvk::ui {
namespace {

const QString kSuffix = QString::fromUtf8(" — Amateur Radio QVK");

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, false, static_cast<uint16_t>(std::strlen(name)), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window's title as the window manager reads it.
QString titleBarOf(QWidget& window)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto cookie =
        xcb_get_property(connection, false, static_cast<xcb_window_t>(window.winId()),
                         atomNamed(connection, "_NET_WM_NAME"), atomNamed(connection, "UTF8_STRING"), 0, 1024);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply) return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

// The title bar of the message box that `show` opens, read while it waits for "OK".
QString titleBarOfBox(const std::function<void()>& show)
{
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        title = titleBarOf(*box);
        box->accept();
    });
    poll.start(10);
    show();
    return title;
}

class WindowCaptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X display";
    }
};

TEST_F(WindowCaptions, EverySecondaryWindowShowsItsCaptionAndTheProgramsName)
{
    FakePlatform platform;
    ProgramWindows windows(platform);
    QStringList captions;
    for (QDialog* window : windows.mainWindow().findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        window->show();
        captions << window->windowTitle();
        EXPECT_EQ(titleBarOf(*window), window->windowTitle() + kSuffix);
        window->hide();
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{" Amateur Radio QVK About...", "Clocks", "Grid / Coordinate Calc",
                                     "Home Parameters", "Rotator", "US Amateur Bands", "US Call Map", "World Map"}));
}

TEST_F(WindowCaptions, TheMainWindowIsTheProgramsNameOnce)
{
    FakePlatform platform;
    platform.writeFile("prefs.qvk", "0000000000000000000\r\n");  // no Home Parameters over it
    ProgramWindows windows(platform);
    windows.showMainWindow();
    EXPECT_EQ(titleBarOf(windows.mainWindow()), "Amateur Radio QVK");
}

TEST_F(WindowCaptions, AWarningNamesTheProgramAndTheErrorBoxIsCaptionedWithIt)
{
    DesktopPlatform platform;
    EXPECT_EQ(titleBarOfBox([&] { platform.showWarning("File: 'Zones.gif' not found."); }), "Warning" + kSuffix);
    EXPECT_EQ(titleBarOfBox([&] { platform.showError("Cannot open file tms.qvk."); }), "Amateur Radio QVK");
    EXPECT_EQ(titleBarOfBox([&] { platform.showMessage("Sunrise"); }), "Amateur Radio QVK");
}

}  // namespace
}  // namespace qvk::ui

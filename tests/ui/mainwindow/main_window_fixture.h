#pragma once
// A main window started as the program starts it, on a fake platform whose
// program folder holds the shipped DXCC list and the files a test writes.

#include "fake_platform.h"
#include "list_driving.h"
#include "named_child.h"
#include "qstring_printer.h"
#include "ui/common/search_combo_box.h"
#include "ui/home/home.h"
#include "ui/mainwindow/ham_df1.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace qvk::ui {

// The home station's latitude and longitude (north and west positive) for
// comparing; NaN, which equals nothing, without a home station.
inline double homeLatitude(const THamDF1& window)
{
    return window.home() ? static_cast<double>(window.home()->latitude) : std::nan("");
}
inline double homeLongitude(const THamDF1& window)
{
    return window.home() ? static_cast<double>(window.home()->longitude) : std::nan("");
}

// "°" as the program's files hold it.
inline QByteArray latin(const char* text) { return QString::fromUtf8(text).toLatin1(); }

// Home in Montgomery, Alabama, at GMT-6 (entry 1 of the offset list).
inline const QByteArray kMontgomeryPrefs = latin("0010000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n");

class MainWindowTest : public ::testing::Test {
protected:
    void start(const QByteArray& prefs = kMontgomeryPrefs, bool withDxccList = true)
    {
        if (withDxccList) platform.writeFile("states.txt", shippedFile("states.txt"));
        if (!prefs.isNull()) platform.writeFile("prefs.qvk", prefs);
        platform.writeFile("tms.qvk", QByteArray("00000111111111111111110000C000000000000000001000000000000\r\n"));
        window = std::make_unique<THamDF1>(platform);
        home = std::make_unique<THome>(platform, window.get());
        home->setObjectName("Home");
        SecondaryWindows windows;
        windows.home = home.get();
        window->setSecondaryWindows(windows);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
    }

    static QByteArray shippedFile(const QString& name)
    {
        QFile file(QStringLiteral(QVK_DATA_DIR) + "/" + name);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    template <typename T = QWidget> T& find(const char* name) const { return child<T>(*window, name); }
    QString text(const char* labelName) const { return find<QLabel>(labelName).text(); }
    void click(const char* buttonName) { QTest::mouseClick(&find<QToolButton>(buttonName), Qt::LeftButton); }

    SearchComboBox& list() const { return window->locationList(); }
    // Keys go where the operator's keyboard sends them: into the open list, or the closed box.
    void type(const QString& keys)
    {
        for (const QChar key : keys) {
            QWidget* target = list().isListOpen() ? static_cast<QWidget*>(list().view()) : &list();
            QTest::keyClick(target, key.toLatin1());
        }
    }
    void pressEnterInList()
    {
        QTest::keyClick(list().view(), Qt::Key_Return);
        reactivate(*window);
    }
    void letListClose() { qvk::ui::letListClose(list(), *window); }
    // "DXCC", the beginning of an entry typed, Enter on the highlighted entry,
    // and the list closes, which commits it.
    void chooseDxccEntry(const QString& typed)
    {
        click("SpeedButton51");
        type(typed);
        pressEnterInList();
        letListClose();
    }

    FakePlatform platform;
    std::unique_ptr<THamDF1> window;
    std::unique_ptr<THome> home;
};

}  // namespace qvk::ui

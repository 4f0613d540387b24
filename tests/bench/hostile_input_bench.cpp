// What hostile input costs: reading a data file with a line of 10 MB and of
// 50 MB; the main window opening a city list with a 10 MB line and
// committing its entries; the rotator reading a "rotator.qvk" with a 50 MB
// host line; and keeping the compass painted while a rotctld floods, with
// "12.5" lines for ever and with a line that never ends. Prints one line per
// case.
//
// The rotator runs as the program runs it: a poll every second, each
// connection dropped when the server sends more than was asked, the status on
// the compass. A 10 ms timer repaints the compass meanwhile; the longest gap
// between its ticks is the longest the window could not repaint.

#include "core/line_file.h"
#include "fake_platform.h"
#include "fake_rotctld.h"
#include "rotator/rotator_client.h"
#include "ui/common/search_combo_box.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/mainwindow/ham_df1.h"
#include "ui/rotator/rotator_control.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

const char kMobileLine[] = "Mobile N\xB0"
                           "30.41\\W\xB0"
                           "88.02\r\n";

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void readLongLine(int megabytes)
{
    const auto path = std::filesystem::temp_directory_path() / ("qvk-bench-long-line-" + std::to_string(getpid()));
    {
        std::ofstream file(path, std::ios::binary);
        file << kMobileLine;
        const std::string megabyte(1 << 20, 'A');
        for (int i = 0; i < megabytes; ++i) file << megabyte;
        file << "\r\n";
    }
    const double before = peakMegabytes();
    qvk::LineFileReading reading;
    const double milliseconds = millisecondsOf([&] { reading = qvk::readLineFile(path); });
    std::filesystem::remove(path);
    std::printf("a data file with a %d MB line: read in %.1f ms, %zu lines, peak memory grew %.1f MB\n", megabytes,
                milliseconds, reading.lines.size(), peakMegabytes() - before);
}

// Alabama's button, as the operator clicks it, with a city list whose second
// line is of that many megabytes; then the commit of a city and of the line
// that was cut, each as the list's focus moves on.
void openACityListWithAHugeLine(int megabytes)
{
    qvk::ui::FakePlatform platform;
    platform.writeFile("states.txt", "DX~ZZ  Examplia (x) N\xB0"
                                     "10.00\\W\xB0"
                                     "20.00\r\n");
    platform.writeFile("tms.qvk", "\r\n");
    platform.writeFile("prefs.qvk", "0010000000000000000\r\nW\xB0"
                                    "86.43\r\nN\xB0"
                                    "32.39\r\n-6\r\n1\r\n");
    platform.writeFile("statedata/AL.txt", kMobileLine + QByteArray(megabytes << 20, 'A') + "\r\n");
    qvk::ui::THamDF1 window(platform);
    window.show();
    QCoreApplication::processEvents();
    auto* alabama = window.findChild<QToolButton*>("SpeedButton1");
    auto* divider = window.findChild<QWidget*>("Panel1");
    qvk::ui::SearchComboBox& list = window.locationList();
    const double opened = millisecondsOf([&] { alabama->click(); });
    const auto commit = [&](int entry) {
        return millisecondsOf([&] {
            list.setFocus();
            list.setEditText(list.itemText(entry));
            divider->setFocus();
        });
    };
    const double city = commit(list.findText("Mobile", Qt::MatchStartsWith));
    const double cut = commit(list.findText("AAAA", Qt::MatchStartsWith));
    std::printf("a city list with a %d MB line: list filled and opened in %.1f ms, a city committed in %.1f ms, the "
                "cut line in %.1f ms; %lld messages (the cut, and no position in the cut line)\n",
                megabytes, opened, city, cut,
                static_cast<long long>(platform.errors.size() + platform.warnings.size()));
}

void readARotatorFileWithAHugeHostLine(int megabytes)
{
    qvk::ui::FakePlatform platform;
    {
        // a megabyte at a time: the file's bytes must not swell the peak before the reading
        QFile file(platform.settingsFolder() + "rotator.qvk");
        file.open(QIODevice::WriteOnly);
        file.write("0\r\n");
        const QByteArray megabyte(1 << 20, 'h');
        for (int i = 0; i < megabytes; ++i) file.write(megabyte);
        file.write("\r\n4533\r\n1\r\n");
    }
    QWidget window;
    const double before = peakMegabytes();
    const double read = millisecondsOf([&] { qvk::ui::RotatorControl rotator(platform, &window); });
    std::printf("rotator.qvk with a %d MB host line: read in %.1f ms, peak memory grew %.1f MB\n", megabytes, read,
                peakMegabytes() - before);
}

void keepPaintingThroughAFlood(const char* name, const QByteArray& chunk)
{
    qvk::rotator::FakeRotctld rotctld;
    rotctld.flood("p", chunk);
    qvk::rotator::RotatorClient client;
    client.setAddress("127.0.0.1", rotctld.port());
    qvk::ui::CompassFrame compass;
    compass.show();
    int drops = 0;
    QObject::connect(&client, &qvk::rotator::RotatorClient::positionRead, &compass,
                     [&](double azimuth, double) { compass.setRotatorAzimuth(azimuth); });
    QObject::connect(&client, &qvk::rotator::RotatorClient::failed, &compass, [&](const QString& text) {
        ++drops;
        compass.setRotatorStatus(text, true);
    });

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &client, [&] { client.requestPosition(); });
    poll.start(1000);
    client.requestPosition();

    QElapsedTimer sinceTick, repaint;
    qint64 longestGap = 0, longestRepaint = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &compass, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        repaint.start();
        compass.repaint();
        longestRepaint = std::max(longestRepaint, repaint.elapsed());
    });
    sinceTick.start();
    ticks.start(10);
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("%s for 5 s: %d connections dropped, longest gap between 10 ms repaints %lld ms, longest repaint "
                "%lld ms, peak memory %.1f MB\n",
                name, drops, static_cast<long long>(longestGap), static_cast<long long>(longestRepaint),
                peakMegabytes());
}

}  // namespace

int main(int argc, char** argv)
{
    readLongLine(10);
    readLongLine(50);
    QApplication application(argc, argv);
    keepPaintingThroughAFlood("rotctld answering \"12.5\" for ever", QByteArray("12.5\n").repeated(1000));
    keepPaintingThroughAFlood("rotctld sending a line without end", QByteArray(64 * 1024, '7'));
    readARotatorFileWithAHugeHostLine(50);
    // last: writing its file takes memory of its own, which would count in the peaks above
    openACityListWithAHugeLine(10);
    return 0;
}

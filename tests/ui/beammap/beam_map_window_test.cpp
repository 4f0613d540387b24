// The Beam Map window as the operator uses it: hovering, clicking, zooming,
// panning, saving, and the size and zoom kept for the next opening.

#include "beam_map_driving.h"
#include "fake_platform.h"
#include "qstring_printer.h"
#include "ui/beammap/beam_map_canvas.h"
#include "ui/beammap/beam_map_window.h"

#include "core/number_text.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qvk::ui {
namespace {

const SignedPosition kAlabama{32.65L, 86.72L};  // N°32.39\W°86.43, west positive

class BeamMapWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"countries-50m.json", "states.txt"})
            QFile::copy(QString(QVK_DATA_DIR "/") + name, platform.dataFolder() + name);
        open();
    }

    void open()
    {
        window = std::make_unique<BeamMapWindow>(platform);
        window->setHome(kAlabama);
        window->show();
        ASSERT_TRUE(window->map());
    }

    BeamMapCanvas& canvas() { return window->canvas(); }
    beammap::MapView& view() { return canvas().view(); }

    QPoint pixelOf(double latitude, double eastLongitude) { return qvk::ui::pixelOf(*window, latitude, eastLongitude); }
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        sendMouse(canvas(), type, at, button, buttons);
    }
    void hover(QPoint at) { hoverMap(canvas(), at); }
    void wheel(QPoint at, int notches) { turnWheel(canvas(), at, notches); }

    FakePlatform platform;
    std::unique_ptr<BeamMapWindow> window;
};

TEST_F(BeamMapWindowTest, OpensCaptionedBeamMapWithTheWholeEarthRoundHome)
{
    EXPECT_EQ(window->windowTitle(), "Beam Map");
    EXPECT_TRUE(view().showsWholeEarth());
    EXPECT_EQ(view().toPixel({0, 0}), QPointF(canvas().width() / 2.0, canvas().height() / 2.0));
}

TEST_F(BeamMapWindowTest, HoveringOverLondonShowsItsPositionLocatorHeadingAndDistanceAndOffTheEarthNothing)
{
    hover(QPoint(2, 2));
    EXPECT_EQ(window->statusText(), "");
    wheel(pixelOf(51.5, -0.12), 20);  // close in, a kilometre or so a pixel
    hover(pixelOf(51.5, -0.12));
    const QString status = window->statusText();
    EXPECT_TRUE(status.startsWith(QString::fromUtf8("N°51.3"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromUtf8("\\W°0."))) << status.toStdString();
    EXPECT_TRUE(status.contains("IO91W")) << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromUtf8("Heading 44.2°"))) << status.toStdString();
    EXPECT_TRUE(status.contains("7,02")) << status.toStdString();
    EXPECT_TRUE(status.endsWith(" km")) << status.toStdString();

    window->setDistanceUnit(beammap::DistanceUnit::Miles);
    hover(pixelOf(51.5, -0.12));
    EXPECT_TRUE(window->statusText().contains("4,36")) << window->statusText().toStdString();
}

TEST_F(BeamMapWindowTest, TheWheelZoomsFromTheWholeEarthTo500KmAndBack)
{
    const QPoint tokyo = pixelOf(35.68, 139.77);
    const QPointF underPointer = view().toMetres(tokyo);
    for (int notch = 0; notch < 40; ++notch) wheel(tokyo, 1);
    EXPECT_DOUBLE_EQ(view().radiusKm(), beammap::MapView::kNarrowestRadiusKm);
    EXPECT_LT(QLineF(view().toPixel(underPointer), QPointF(tokyo)).length(), 1e-6);  // the map stayed under the pointer
    for (int notch = 0; notch < 40; ++notch) wheel(QPoint(30, 30), -1);
    EXPECT_TRUE(view().showsWholeEarth());
    EXPECT_EQ(view().toPixel({0, 0}),
              QPointF(canvas().width() / 2.0, canvas().height() / 2.0));  // home back in the middle
}

TEST_F(BeamMapWindowTest, DraggingPansAndADoubleClickShowsTheWholeEarthAgain)
{
    QSignalSpy chosen(window.get(), &BeamMapWindow::pointChosen);
    wheel(QPoint(300, 300), 6);
    const QPointF before = view().centre();
    send(QEvent::MouseButtonPress, QPoint(300, 300), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(340, 330), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(360, 340), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(360, 340), Qt::LeftButton, Qt::NoButton);
    const double metresPerPixel = 1 / view().pixelsPerMetre();
    EXPECT_NEAR(view().centre().x(), before.x() - 60 * metresPerPixel, 1);
    EXPECT_NEAR(view().centre().y(), before.y() + 40 * metresPerPixel, 1);

    send(QEvent::MouseButtonDblClick, QPoint(360, 340), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(view().showsWholeEarth());
    EXPECT_EQ(chosen.count(), 0);  // a drag is no click
}

// The share of a picture where another of its size differs visibly, seen
// at a tenth of their size: the kept picture may lie a fraction of a pixel
// off, and a label may sit on another side of its dot.
double differingShare(const QImage& shown, const QImage& drawn)
{
    const auto blurred = [](const QImage& image) {
        return image.scaled(image.size() / 10, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = blurred(shown), b = blurred(drawn);
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 24;
        }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

TEST_F(BeamMapWindowTest, TheKeptPictureShowsWhatAFreshDrawingWouldAfterPansAndANewHome)
{
    const auto expectFresh = [this] {
        const QImage shown = canvas().grab().toImage();
        ASSERT_EQ(shown.size(), canvas().picture().size());
        EXPECT_LT(differingShare(shown, canvas().picture()), 0.01);
    };
    wheel(QPoint(300, 300), 6);
    expectFresh();
    send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(500, 420), Qt::NoButton, Qt::LeftButton);  // beyond the kept margin
    send(QEvent::MouseButtonRelease, QPoint(500, 420), Qt::LeftButton, Qt::NoButton);
    expectFresh();
    const QImage fromAlabama = canvas().grab().toImage();
    window->setHome(SignedPosition{-33.87L, -151.22L});  // Sydney: everything moves
    expectFresh();
    EXPECT_GT(differingShare(fromAlabama, canvas().grab().toImage()), 0.2);  // so the measure tells
}

TEST_F(BeamMapWindowTest, SizeAndZoomComeBackAtTheNextOpeningFromTheSettingsFolder)
{
    window->hide();  // opened again with the settings kept apart, as when installed
    QFile::remove(platform.dataFolder() + "beammap.qvk");
    platform.keepSettingsApart();
    open();
    window->resize(900, 700);
    QApplication::processEvents();
    wheel(QPoint(450, 300), 8);
    const double radius = view().radiusKm();
    window->hide();
    EXPECT_FALSE(platform.fileExists("beammap.qvk"));
    EXPECT_EQ(platform.readSettingsFile("beammap.qvk"),
              QByteArray("900\r\n700\r\n") + QByteArray::fromStdString(formatFixed(radius, 0)) + "\r\n");

    open();
    EXPECT_EQ(window->size(), QSize(900, 700));
    EXPECT_NEAR(view().radiusKm(), radius, 1);
}

TEST_F(BeamMapWindowTest, AnUnreadableSettingsFileIsNamedOnceAndNeverOverwritten)
{
    window.reset();
    QFile::remove(platform.settingsFolder() + "beammap.qvk");
    ASSERT_TRUE(QDir(platform.settingsFolder()).mkdir("beammap.qvk"));  // there, but no file to read
    open();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains("beammap.qvk"));
    window->resize(900, 700);
    window->hide();  // a changed size, which cannot be kept: said once
    window->show();
    window->hide();
    EXPECT_EQ(platform.errors.size(), 2);
    EXPECT_TRUE(QFileInfo(platform.settingsFolder() + "beammap.qvk").isDir());
}

TEST_F(BeamMapWindowTest, SaveAsPngWritesTheMapAsItShows)
{
    platform.saveAnswer = platform.settingsFolder() + "shot.png";
    const QList<QAction*> actions = window->contextMenu().actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), "Save as PNG...");
    actions[0]->trigger();
    EXPECT_EQ(platform.saveCaptions, QStringList{"Save as PNG"});
    const QImage saved(platform.saveAnswer);
    EXPECT_EQ(saved.size(), canvas().size() * canvas().devicePixelRatio());

    platform.saveAnswer.clear();  // cancelled: nothing written, nothing said
    actions[0]->trigger();
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(BeamMapWindowTest, TheGreyLineFollowsThePlatformClock)
{
    const double noonSun = window->map()->greyLine().sun.longitude;
    platform.utc = platform.utc.addSecs(6 * 3600);
    window->updateSunlight();
    EXPECT_NEAR(std::remainder(noonSun - window->map()->greyLine().sun.longitude, 360.0), 90, 0.5);
}

TEST(BeamMapWindowWithoutLand, SaysWhichFileIsMissing)
{
    FakePlatform platform;
    BeamMapWindow window(platform);
    window.show();
    EXPECT_FALSE(window.map());
    EXPECT_TRUE(window.statusText().contains("countries-50m.json")) << window.statusText().toStdString();
    EXPECT_TRUE(window.statusText().startsWith("Cannot open file"));
}

}  // namespace
}  // namespace qvk::ui

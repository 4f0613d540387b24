// The US Call Map and US Amateur Bands windows share their activation: both
// run through the same table of cases.

#include "fake_platform.h"
#include "layout_checks.h"
#include "window_driving.h"

#include "ui/charts/us_bands.h"
#include "ui/charts/us_map.h"
#include "ui/common/window_frame.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qvk::ui {
namespace {

struct ChartCase {
    const char* name;
    QString fileName;
    std::function<std::unique_ptr<ChartWindow>(Platform&)> make;
    QString okPanel;
    QString okButton;
    QString title;
    QSize designSize;  // without a picture
    bool builtInPicture;
};

void PrintTo(const ChartCase& chart, std::ostream* out) { *out << chart.name; }

const ChartCase chartCases[] = {
    {"USCallMap",
     "Zones.gif",
     [](Platform& p) { return std::make_unique<TUSMap>(p); },
     "Panel23",
     "SpeedButton20",
     "US Call Map",
     {501, 348},
     false},
    {"USAmateurBands",
     "bands.gif",
     [](Platform& p) { return std::make_unique<TUSBands>(p); },
     "Panel1",
     "SpeedButton1",
     "US Amateur Bands",
     {827, 527},
     true},
};

class ChartWindowTest : public ::testing::TestWithParam<ChartCase> {
protected:
    FakePlatform platform;
    std::unique_ptr<ChartWindow> window = GetParam().make(platform);

    // The window reads the picture by its content, whatever the file's name says.
    void writePicture(QSize size) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        image.save(&bytes, "PNG");
        platform.writeFile(GetParam().fileName, bytes.data());
    }
    QString notFound() const { return "File: '" + GetParam().fileName + "' not found."; }
    QWidget& okPanel() const { return child(*window, GetParam().okPanel); }
    QWidget& okButton() const { return child(*window, GetParam().okButton); }
    void clickOk() const
    {
        click(*window, GetParam().okButton);
        EXPECT_FALSE(window->isVisible()) << "OK did not close the window";
    }
};

TEST_P(ChartWindowTest, WithoutItsFileItWarnsOncePerShowingKeepsItsDesignSizeAndOkStillCloses)
{
    showAndActivate(*window);
    EXPECT_EQ(platform.warnings, QStringList{notFound()});
    EXPECT_EQ(platform.cursor, QPoint(522, 414));  // the desktop's centre + 10, + 30
    EXPECT_EQ(window->windowTitle(), GetParam().title);
    EXPECT_EQ(window->size(), GetParam().designSize);
    EXPECT_EQ(picture(*window).isNull(), !GetParam().builtInPicture);
    EXPECT_EQ(cutOff({&okPanel()}, *window), QStringList{});
    EXPECT_TRUE(okButton().isVisible());
    EXPECT_TRUE(hasRoomFor(okButton(), "OK"));

    // closing the warning box activates the window again
    reactivate(*window);
    EXPECT_EQ(platform.warnings.size(), 1);

    clickOk();
    EXPECT_EQ(window->result(), QDialog::Accepted);

    showAndActivate(*window);
    EXPECT_EQ(platform.warnings, (QStringList{notFound(), notFound()}));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_P(ChartWindowTest, APictureSizesTheWindowCentredWithOkUnderItAndANewOneIsReadAtTheNextShowing)
{
    writePicture({640, 480});
    showAndActivate(*window);
    EXPECT_EQ(picture(*window).size(), QSize(640, 480));
    EXPECT_EQ(outerGeometry(*window), QRect(189, 119, 646, 531));  // (1024 - 646) / 2, (768 - 531) / 2
    const QWidget& panel = okPanel();
    EXPECT_EQ(panel.pos(), QPoint(288, 481));
    EXPECT_GE(panel.y(), 480) << "the OK panel covers the picture";
    EXPECT_TRUE(window->rect().contains(panel.geometry())) << "the OK panel is cut off";
    clickOk();

    writePicture({320, 200});
    showAndActivate(*window);
    EXPECT_EQ(picture(*window).size(), QSize(320, 200));
    EXPECT_EQ(outerGeometry(*window), QRect(349, 259, 326, 251));
    EXPECT_EQ(okPanel().pos(), QPoint(128, 201));
}

TEST_P(ChartWindowTest, ThePointerGoesWhereOkStoodBeforeTheWindowGrewAndOntoOkFromThenOn)
{
    showAndActivate(*window);  // no picture yet: the window keeps its first size and place
    const QRect okAtFirst = screenRect(okButton());
    clickOk();

    writePicture({640, 480});
    showAndActivate(*window);
    EXPECT_TRUE(okAtFirst.contains(platform.cursor));
    EXPECT_FALSE(screenRect(okButton()).contains(platform.cursor)) << "the pointer was placed after the resizing";

    clickOk();
    showAndActivate(*window);
    EXPECT_TRUE(screenRect(okButton()).contains(platform.cursor));
}

TEST_P(ChartWindowTest, AnUnreadableFileGoesToTheErrorBoxAndThePictureStays)
{
    writePicture({640, 480});
    showAndActivate(*window);
    const QImage before = picture(*window).toImage();
    const QRect placeBefore = outerGeometry(*window);
    clickOk();

    platform.writeFile(GetParam().fileName, "GIF89a, but no picture follows");
    showAndActivate(*window);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(GetParam().fileName)) << platform.errors[0].toStdString();
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_EQ(picture(*window).toImage(), before);
    EXPECT_EQ(outerGeometry(*window), placeBefore);
}

INSTANTIATE_TEST_SUITE_P(ChartWindows, ChartWindowTest, ::testing::ValuesIn(chartCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvk::ui

#include "window_driving.h"

#include "ui/charts/about.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>

namespace qvk::ui {
namespace {

QString labelText(QWidget& window, const QString& name) { return child<QLabel>(window, name).text(); }

TEST(AboutWindow, ShowsEveryTextWithItsBlanks)
{
    TAbout about;
    EXPECT_EQ(about.windowTitle(), " Amateur Radio QVK About...");
    EXPECT_EQ(labelText(about, "Label2"), "Amateur Radio QVK developers");
    EXPECT_EQ(labelText(about, "Label1"),
              "  The Amateur Radio QVK can be used to quickly locate\n"
              "the correct heading for a directional antenna.  The direction calculated will be\n"
              "the shortest distance (as the crow flies) between the latitude and longitude of\n"
              "the home QTH and  latitude and longitude of the selected country or U.S. \n"
              "city/state.  To display the long path, double click on the 'Degrees:' label.\n"
              "Except where additional locations within a country are listed, the antenna \n"
              "heading will be toward the center of the chosen country.\n"
              "(Exception: Russia points to western Russia.)");
    EXPECT_EQ(labelText(about, "Label4"),
              "  Upon clicking on a U.S. state button, the direction will be calculated from the\n"
              "home QTH to the center of the chosen state.  Further narrowing of the direction\n"
              "can be done by selecting a city from the city list for that state.");
    EXPECT_EQ(labelText(about, "Label3"),
              "  When the DXCC list has been chosen, the list can be sorted by call sign or by\n"
              "country, by clicking the small 'S' button to the right of the country selection box.\n"
              " \n"
              "  The home QTH  latitude and longitude parameters are entered into the\n"
              "preferences window.  Also set the time offset for the home QTH for the \n"
              "sunset / sunrise times to be correct.  The degrees.minutes should be\n"
              "actual degrees.minutes: dd.00-59 (not a percent of 60 minutes: dd.00-99).\n"
              " \n"
              "  The antenna should be set to true north (not magnetic north) for the \n"
              "calculations to be correct.\n"
              " \n"
              "  If the information is not fully displayed in the status bar at the bottom of the\n"
              "window, double click on the status bar to expand the panel.");
}

TEST(AboutWindow, TheVersionLineCarriesTheProjectVersion)
{
    TAbout about;
    EXPECT_EQ(labelText(about, "Label7"), "Amateur Radio QVK  " QVK_PROJECT_VERSION);
}

TEST(AboutWindow, NoTextIsCutOffOrRunsIntoTheNext)
{
    TAbout about;
    showAndActivate(about);
    QList<QLabel*> labels = about.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 5);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QLabel& label = *labels[i];
        SCOPED_TRACE(label.objectName().toStdString());
        EXPECT_LE(label.sizeHint().width(), label.width());
        EXPECT_LE(label.sizeHint().height(), label.height());
        EXPECT_TRUE(about.rect().contains(label.geometry()));
        const int nextTop = i + 1 < labels.size() ? labels[i + 1]->y() : child(about, "Panel1").y();
        EXPECT_LE(label.geometry().bottom(), nextTop);
    }
}

TEST(AboutWindow, OkClosesIt)
{
    TAbout about;
    showAndActivate(about);
    click(about, "SpeedButton1");
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace qvk::ui

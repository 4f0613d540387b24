#include "fake_platform.h"
#include "window_driving.h"

#include "ui/charts/us_bands.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

bool showsTheBuiltInChart(QWidget& window)
{
    const QImage builtIn(":/charts/bands_builtin.gif");
    return !builtIn.isNull() && picture(window).toImage().convertToFormat(QImage::Format_ARGB32) ==
                                    builtIn.convertToFormat(QImage::Format_ARGB32);
}

// The chart's words as a reader takes them from the picture, read back by
// Debian's tesseract OCR: what the chart says, not the table it was drawn from.
QString readAloud(const QImage& chart)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("chart.png");
    // Tesseract wants letters some 30 pixels high; the chart's are 8 to 11.
    chart.scaled(chart.size() * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(png);
    QProcess tesseract;
    // one thread: its OpenMP threads spin for seconds on a busy two-core machine
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("OMP_THREAD_LIMIT", "1");
    tesseract.setProcessEnvironment(environment);
    tesseract.start("tesseract", {png, "stdout", "--psm", "11"});  // sparse text: labels all over
    if (!tesseract.waitForFinished(120000) || tesseract.exitCode() != 0) {
        ADD_FAILURE() << "tesseract did not read the chart (tools/install-deps.sh installs tesseract-ocr): "
                      << tesseract.errorString().toStdString();
    }
    return QString::fromUtf8(tesseract.readAllStandardOutput());
}

int count(const QString& text, const QString& pattern)
{
    int found = 0;
    for (auto match = QRegularExpression(pattern).globalMatch(text); match.hasNext(); match.next()) ++found;
    return found;
}

TEST(USAmateurBands, TheBuiltInChartShowsTheMFBandsAndTechnicianHFPrivileges)
{
    FakePlatform platform;
    TUSBands window(platform);
    showAndActivate(window);
    const QString text = readAloud(picture(window).toImage());

    // 2200 m and 630 m with their edges in kHz.
    for (const char* shown :
         {R"(\b2200 ?m\b)", R"(\b630 ?m\b)", R"(\b135\.7\b)", R"(\b137\.8\b)", R"(\b472\b)", R"(\b479\b)"})
        EXPECT_GE(count(text, shown), 1) << shown << " in\n" << text.toStdString();
    // Novices and every Technician share the 80, 40, 15 and 10 m segments; no
    // class is named as if some Technicians had none.
    EXPECT_EQ(count(text, R"(\bN[,.]T\b)"), 4) << text.toStdString();
    EXPECT_EQ(count(text, R"(\bTP\b)"), 0) << text.toStdString();
}

// The shipped file, none, or one that is no picture: the built-in chart each time.
TEST(USAmateurBands, TheBuiltInChartIsShownAboveOkWhateverBandsGifHolds)
{
    QFile shipped(QVK_DATA_DIR "/bands.gif");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const std::pair<QByteArray, int> rows[] = {{shipped.readAll(), 0}, {QByteArray(), 0}, {"not a picture at all", 1}};
    for (const auto& [bytes, errors] : rows) {
        FakePlatform platform;
        if (!bytes.isNull()) platform.writeFile("bands.gif", bytes);
        TUSBands window(platform);
        showAndActivate(window);
        EXPECT_EQ(platform.errors.size(), errors) << bytes.left(20).toStdString();
        EXPECT_EQ(platform.warnings.size(), bytes.isNull() ? 1 : 0);
        EXPECT_TRUE(showsTheBuiltInChart(window)) << bytes.left(20).toStdString();
        EXPECT_EQ(picture(window).size(), QSize(827, 502));
        EXPECT_GE(child(window, "Panel1").y(), picture(window).height()) << "the OK panel covers the chart";
    }
}

}  // namespace
}  // namespace qvk::ui

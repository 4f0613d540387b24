#include "app/calc/map_command.h"

#include "app/calc/position_argument.h"
#include "core/number_text.h"
#include "core/windows1252.h"
#include "ui/beammap/beam_map_painter.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <iostream>
#include <memory>
#include <optional>

namespace qvk::calc {
namespace {

constexpr int kDone = 0;
constexpr int kInvalidInput = 1;
constexpr int kUsageError = 64;
constexpr int kDefaultSize = 1000;
constexpr int kSmallestSize = 100;
constexpr int kLargestSize = 10000;

std::optional<std::string> flagValue(const std::vector<std::string>& flags, const std::string& name)
{
    for (const std::string& flag : flags)
        if (flag.rfind(name + "=", 0) == 0) return flag.substr(name.size() + 1);
    return std::nullopt;
}

int usageError(const std::string& problem)
{
    std::cerr << "qvk-calc: " << problem << "\nTry 'qvk-calc --help'.\n";
    return kUsageError;
}

int invalidInput(const std::string& utf8Text)
{
    std::cerr << utf8Text << '\n';
    return kInvalidInput;
}

// Drawing text needs a GUI application; the off-screen platform needs no
// display. Qt's own notices (a missing runtime folder and the like) would only
// clutter a script's standard error.
std::unique_ptr<QGuiApplication> guiApplication()
{
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    static int argc = 1;
    static char name[] = "qvk-calc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool isMapOptionWithValue(const std::string& flag)
{
    for (const char* option : kMapOptions)
        if (flag == option) return true;
    return false;
}

int beamMapCommand(const std::vector<std::string>& words, const std::vector<std::string>& flags)
{
    const auto png = flagValue(flags, "--png");
    if (!png || png->empty()) return usageError("map needs --png FILE");
    int size = kDefaultSize;
    if (const auto text = flagValue(flags, "--size")) {
        const auto pixels = parseWholeNumber(*text);
        if (!pixels || *pixels < kSmallestSize || *pixels > kLargestSize)
            return usageError("--size takes a whole number of pixels from 100 to 10000");
        size = static_cast<int>(*pixels);
    }
    std::optional<double> radiusKm;
    if (const auto text = flagValue(flags, "--radius")) {
        const auto kilometres = parseDecimal(*text);
        if (!kilometres || *kilometres < beammap::MapView::kNarrowestRadiusKm)
            return usageError("--radius takes kilometres, 500 or more");
        radiusKm = static_cast<double>(*kilometres);
    }
    QDateTime utc = QDateTime::currentDateTimeUtc();
    if (const auto text = flagValue(flags, "--utc")) {
        const QString minute = QString::fromStdString(*text);
        utc = QDateTime(QDate::fromString(minute.left(10), "yyyy-MM-dd"), QTime::fromString(minute.mid(11), "HH:mm"),
                        Qt::UTC);
        if (minute.size() != 16 || minute[10] != 'T' || !utc.isValid())
            return usageError("--utc takes a UTC minute written YYYY-MM-DDTHH:MM");
    }

    const PositionReading home = readPosition(words[0]);
    if (!home.ok) return invalidInput(windows1252ToUtf8(home.error));
    std::optional<beammap::BeamTarget> target;
    if (const auto text = flagValue(flags, "--target")) {
        const PositionReading reading = readPosition(*text);
        if (!reading.ok) return invalidInput(windows1252ToUtf8(reading.error));
        target = beammap::beamTargetFor(QString::fromStdString(*text), home.position, reading.position);
        if (!target) return invalidInput("fault");
    }

    const auto application = guiApplication();
    const auto data = beammap::readBeamMapData(QCoreApplication::applicationDirPath() + "/");
    if (!data.data) return invalidInput(data.error.toStdString());
    beammap::BeamMap map(data.data, home.position);
    map.setTime(static_cast<double>(utc.toSecsSinceEpoch()));
    map.setTarget(target);
    beammap::MapView view(QSizeF(size, size), map.projection().outlineRadius());
    if (radiusKm) view.setRadiusKm(*radiusKm);
    if (1 / view.pixelsPerMetre() < beammap::kCoarseMetresPerPixel) map.waitForDetail();

    QImage image(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        beammap::paintBeamMap(painter, view, map);
    }
    if (!image.save(QString::fromStdString(*png), "PNG")) return invalidInput("Cannot write file " + *png + ".");
    const QPointF centre = view.toPixel({0, 0});
    std::cout << "centre=" << QString::number(centre.x(), 'g', 10).toStdString() << ','
              << QString::number(centre.y(), 'g', 10).toStdString()
              << " scale=" << QString::number(view.pixelsPerMetre() * 1000, 'g', 6).toStdString() << '\n';
    return kDone;
}

}  // namespace qvk::calc

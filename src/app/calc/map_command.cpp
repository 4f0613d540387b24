#include "app/calc/map_command.h"

#include "app/calc/exit_status.h"
#include "app/calc/position_argument.h"
#include "core/number_text.h"
#include "settings/program_folders.h"
#include "ui/beammap/beam_map_painter.h"
#include "ui/common/screen_text.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <iostream>
#include <memory>
#include <optional>

namespace qvk::calc {
namespace {

constexpr int kDefaultSize = 1000;
constexpr int kSmallestSize = 100;
constexpr int kLargestSize = 10000;

// A reason that is already UTF-8 (a path as typed, or Qt's own text).
int cannotUse(const std::string& utf8Reason)
{
    std::cerr << utf8Reason << '\n';
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

int beamMapCommand(const Arguments& arguments)
{
    const auto png = arguments.value("--png");
    if (!png || png->empty()) return usageError("map needs --png FILE");
    int size = kDefaultSize;
    if (const auto text = arguments.value("--size")) {
        const auto pixels = parseWholeNumber(*text);
        if (!pixels || *pixels < kSmallestSize || *pixels > kLargestSize)
            return usageError("--size takes a whole number of pixels from 100 to 10000");
        size = static_cast<int>(*pixels);
    }
    std::optional<double> radiusKm;
    if (const auto text = arguments.value("--radius")) {
        const auto kilometres = parseDecimal(*text);
        if (!kilometres || *kilometres < beammap::MapView::kNarrowestRadiusKm)
            return usageError("--radius takes kilometres, 500 or more");
        radiusKm = static_cast<double>(*kilometres);
    }
    QDateTime utc = QDateTime::currentDateTimeUtc();
    if (const auto text = arguments.value("--utc")) {
        const QString minute = QString::fromStdString(*text);
        utc = QDateTime(QDate::fromString(minute.left(10), "yyyy-MM-dd"), QTime::fromString(minute.mid(11), "HH:mm"),
                        Qt::UTC);
        if (minute.size() != 16 || minute[10] != 'T' || !utc.isValid())
            return usageError("--utc takes a UTC minute written YYYY-MM-DDTHH:MM");
    }

    const PositionReading home = readPosition(arguments.words[0]);
    if (!home.ok) return invalidInput(home.error);
    std::optional<beammap::BeamTarget> target;
    if (const auto text = arguments.value("--target")) {
        const PositionReading reading = readTarget(*text, arguments.value("--cty"));
        if (!reading.ok) return invalidInput(reading.error);
        target = beammap::beamTargetFor(QString::fromStdString(*text), home.position, reading.position);
        if (!target) return invalidInput("fault");
    }

    const auto application = guiApplication();
    const auto dataFolder = findDataFolder(executableFolder());
    const auto data = beammap::readBeamMapData(ui::fromFileSystemPath(dataFolder) + "/");
    if (!data.data) return cannotUse(data.error.toStdString());
    beammap::BeamMap map(data.data, home.position);
    map.setTime(static_cast<double>(utc.toSecsSinceEpoch()));
    map.setTarget(target);
    beammap::MapView view(QSizeF(size, size), map.projection().outlineRadius());
    if (radiusKm) view.setRadiusKm(*radiusKm);
    if (1 / view.pixelsPerMetre() < beammap::kWorldLevels[0].fromMetresPerPixel) map.waitForDetail();

    QImage image(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        beammap::paintBeamMap(painter, view, map);
    }
    if (!image.save(QString::fromStdString(*png), "PNG")) return cannotUse("Cannot write file " + *png + ".");
    const QPointF centre = view.toPixel({0, 0});
    std::cout << "centre=" << QString::number(centre.x(), 'g', 10).toStdString() << ','
              << QString::number(centre.y(), 'g', 10).toStdString()
              << " scale=" << QString::number(view.pixelsPerMetre() * 1000, 'g', 6).toStdString() << '\n';
    return kDone;
}

}  // namespace qvk::calc

#include "ui/rotator/rotator_control.h"

#include "core/number_text.h"
#include "rotator/azimuth_range.h"
#include "rotator/rotator_client.h"
#include "rotator/rotator_messages.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"
#include "ui/rotator/rotator_dialog.h"

#include <QMenu>
#include <QTimer>

#include <cmath>
#include <utility>

namespace qvk::ui {
namespace {

// Near enough to call the turn done: finer than rotators report.
constexpr double kArrivedWithin = 0.5;

QString turnText(const QString& path, std::optional<double> heading)
{
    QString text = "Turn antenna to " + path;
    if (heading) text += " (" + toScreen(formatFixed(*heading, 1)) + QChar(0x00B0) + ")";
    return text;
}

double headingGap(double a, double b)
{
    const double gap = std::fmod(std::abs(a - b), 360.0);
    return std::min(gap, 360.0 - gap);
}

}  // namespace

RotatorControl::RotatorControl(Platform& platform, QWidget* window)
    : QObject(window),
      platform_(platform),
      file_(toFileSystemPath(platform.settingsFolder() + qvk::rotator::kRotatorFileName))
{
    dialog_ = new RotatorDialog(window);
    connect(dialog_, &RotatorDialog::saved, this, &RotatorControl::applySettings);

    client_ = new qvk::rotator::RotatorClient(this);
    connect(client_, &qvk::rotator::RotatorClient::positionRead, this,
            [this](double azimuth, double) { positionRead(azimuth); });
    connect(client_, &qvk::rotator::RotatorClient::connectedChanged, this, &RotatorControl::connectionChanged);
    connect(client_, &qvk::rotator::RotatorClient::turning, this, [this](double heading, double) {
        turningTo_ = heading;
        showStatus(QString::fromStdString(qvk::rotator::turningMessage(heading)), false);
    });
    connect(client_, &qvk::rotator::RotatorClient::stopped, this, [this] {
        turningTo_.reset();
        showStatus(QString::fromStdString(qvk::rotator::stoppedMessage()), false);
    });
    connect(client_, &qvk::rotator::RotatorClient::failed, this, &RotatorControl::problemReported);

    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(kPollMilliseconds);
    connect(pollTimer_, &QTimer::timeout, this, [this] {
        if (client_->isConnected()) client_->requestPosition();
    });
    retryTimer_ = new QTimer(this);
    retryTimer_->setObjectName("RotatorRetry");
    retryTimer_->setInterval(kRetryMilliseconds);
    connect(retryTimer_, &QTimer::timeout, this, &RotatorControl::retry);

    const SettingsFile::Reading reading = file_.read();
    if (reading.found()) {
        configured_ = true;
        settings_ = qvk::rotator::parseRotatorSettings(reading.lines);
    }
    file_.setUnchangedLines(qvk::rotator::rotatorSettingsLines(settings_));
    if (reading.message) showFileProblem(fromSystemText(*reading.message));
    startIfConfigured();
}

RotatorControl::~RotatorControl() = default;

void RotatorControl::addCompassActions(QMenu& menu, std::optional<BeamHeadings> headings)
{
    const bool canTurn = headings && isConfigured();
    const struct {
        const char* objectName;
        const char* path;
        std::optional<double> heading;
    } turns[] = {
        {"TurnShortPath", "short path", headings ? std::optional(headings->shortPath) : std::nullopt},
        {"TurnLongPath", "long path", headings ? std::optional(headings->longPath) : std::nullopt},
    };
    for (const auto& turn : turns) {
        QAction* action = menu.addAction(turnText(turn.path, turn.heading));
        action->setObjectName(turn.objectName);
        action->setEnabled(canTurn);
        if (turn.heading)
            connect(action, &QAction::triggered, this, [this, heading = *turn.heading] { turnTo(heading); });
    }
    QAction* halt = menu.addAction("Stop rotator", this, &RotatorControl::stop);
    halt->setObjectName("StopRotator");
    halt->setEnabled(isConfigured());
    menu.addSeparator();
    menu.addAction("Rotator settings...", this, &RotatorControl::openSettings)->setObjectName("RotatorSettings");
}

// The operator's commands tell what became of them, even when a retry is under way.
void RotatorControl::turnTo(double heading)
{
    if (!isConfigured()) return;
    retrying_ = false;
    client_->turnToHeading(heading);
}

void RotatorControl::stop()
{
    if (!isConfigured()) return;
    retrying_ = false;
    client_->stop();
}

void RotatorControl::openSettings()
{
    qvk::rotator::RotatorSettings shown = settings_;
    // looking at the settings must not switch a rotator on
    if (!configured_) shown.enabled = false;
    dialog_->setSettings(shown);
    platform_.runModal(*dialog_);
}

// The operator's "OK": from now on there is a rotator file. One that failed
// to be written keeps the settings it holds; one left alone as unreadable or
// read-only takes the new ones for this run.
void RotatorControl::applySettings(const qvk::rotator::RotatorSettings& settings)
{
    const bool toBeSaved = file_.toBeSaved();
    const auto problem = file_.save(qvk::rotator::rotatorSettingsLines(settings));
    if (problem && toBeSaved) {
        showFileProblem(fromSystemText(*problem));
        return;
    }
    settings_ = settings;
    configured_ = true;
    client_->disconnectFromRotator();
    pollTimer_->stop();
    retryTimer_->stop();
    retrying_ = false;
    turningTo_.reset();
    emit antennaHeadingChanged(std::nullopt);
    if (problem)
        showFileProblem(fromSystemText(*problem));
    else
        showStatus(QString(), false);
    startIfConfigured();
}

// Reaching out once at the start shows the needle at once, and tells early
// when rotctld is not there.
void RotatorControl::startIfConfigured()
{
    if (!isConfigured()) return;
    client_->setAddress(toScreen(settings_.host), settings_.port);
    if (settings_.poll) client_->requestPosition();
}

void RotatorControl::showStatus(const QString& text, bool problem)
{
    shown_ = text.isEmpty() ? Shown::Nothing : problem ? Shown::Problem : Shown::News;
    statusText_ = text;
    emit statusChanged(text, problem);
}

void RotatorControl::showFileProblem(const QString& text)
{
    showStatus(text, true);
    shown_ = Shown::FileProblem;
}

void RotatorControl::positionRead(double azimuth)
{
    if (!settings_.poll) return;
    const double heading = qvk::rotator::headingOfAzimuth(azimuth);
    emit antennaHeadingChanged(heading);
    // news is done with once the needle shows it: the antenna has arrived, or stands still
    const bool arrived = turningTo_ && headingGap(heading, *turningTo_) <= kArrivedWithin;
    if (arrived || (!turningTo_ && shown_ == Shown::News)) {
        turningTo_.reset();
        showStatus(QString(), false);
    }
}

void RotatorControl::connectionChanged(bool connected)
{
    if (connected) {
        retrying_ = false;
        retryTimer_->stop();
        // whatever kept the rotator away is over
        if (shown_ == Shown::Problem) showStatus(QString(), false);
        if (settings_.poll) pollTimer_->start();
        return;
    }
    pollTimer_->stop();
    emit antennaHeadingChanged(std::nullopt);
}

void RotatorControl::problemReported(const QString& message)
{
    turningTo_.reset();
    const bool answersRetry = std::exchange(retrying_, false);
    if (!client_->isConnected() && isConfigured() && !retryTimer_->isActive()) retryTimer_->start();
    // still away: the status already says so
    if (answersRetry && shown_ == Shown::Problem) return;
    showStatus(message, true);
}

// A position read connects first; with polling off its answer is not shown.
void RotatorControl::retry()
{
    if (!isConfigured() || client_->isConnected()) {
        retryTimer_->stop();
        return;
    }
    retrying_ = true;
    client_->requestPosition();
}

}  // namespace qvk::ui

#pragma once
// The main window's rotator: the settings in "rotator.qvk" beside the program,
// the client of rotctld, the once-a-second reading of the antenna's azimuth,
// and the compass's right-click menu.
//
// Without "rotator.qvk" it never opens a connection and shows nothing: the
// menu then offers only "Rotator settings...", which opens with no rotator in
// use and whose "OK" writes the file. Whatever goes wrong with the rotator is
// told as one short status text (statusChanged), never as a box. While the
// connection is down it is tried again every ten seconds, without telling the
// same problem again; once it is back, the problem's text goes.
//
// A "rotator.qvk" that cannot be read is told in the status too, and left as
// it is: settings that the operator then gives serve this run only. A
// trouble with the file stays in the status until another text replaces it.

#include "rotator/rotator_settings.h"
#include "settings/settings_file.h"

#include <QObject>
#include <QString>

#include <optional>

class QMenu;
class QTimer;
class QWidget;

namespace qvk::rotator {
class RotatorClient;
}

namespace qvk::ui {

class Platform;
class RotatorDialog;

// The headings of the result on show.
struct BeamHeadings {
    double shortPath = 0;
    double longPath = 0;
};

class RotatorControl : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMilliseconds = 1000;
    static constexpr int kRetryMilliseconds = 10000;

    // Reads "rotator.qvk" from the program folder; the dialog is a child of
    // `window`.
    RotatorControl(Platform& platform, QWidget* window);
    ~RotatorControl() override;

    // A rotator.qvk that puts a rotator in use.
    bool isConfigured() const { return configured_ && settings_.enabled; }
    // The status as statusChanged last told it, for a compass attached later.
    const QString& statusText() const { return statusText_; }
    bool statusIsProblem() const { return shown_ == Shown::Problem || shown_ == Shown::FileProblem; }
    const qvk::rotator::RotatorSettings& settings() const { return settings_; }
    RotatorDialog& dialog() const { return *dialog_; }
    qvk::rotator::RotatorClient& client() const { return *client_; }

    // The compass's menu: both paths (with their headings, disabled without
    // a result or a rotator), "Stop rotator" and "Rotator settings...".
    void addCompassActions(QMenu& menu, std::optional<BeamHeadings> headings);

    void turnTo(double heading);
    void stop();
    void openSettings();

signals:
    // Where the antenna points (0 to 360), or nullopt when that is unknown.
    void antennaHeadingChanged(std::optional<double> heading);
    void statusChanged(const QString& text, bool problem);

private:
    void applySettings(const qvk::rotator::RotatorSettings& settings);
    void startIfConfigured();
    void showStatus(const QString& text, bool problem);
    void showFileProblem(const QString& text);
    void positionRead(double azimuth);
    void connectionChanged(bool connected);
    void problemReported(const QString& message);
    void retry();

    // What the status tells. A file's problem outlasts the news and the
    // connection's coming and going.
    enum class Shown { Nothing, News, Problem, FileProblem };

    Platform& platform_;
    SettingsFile file_;
    RotatorDialog* dialog_ = nullptr;
    qvk::rotator::RotatorClient* client_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    QTimer* retryTimer_ = nullptr;
    qvk::rotator::RotatorSettings settings_;
    bool configured_ = false;
    std::optional<double> turningTo_;  // the heading of the last turn, until the antenna is there
    Shown shown_ = Shown::Nothing;
    QString statusText_;
    bool retrying_ = false;  // the client's next report answers a retry, not the operator
};

}  // namespace qvk::ui

#pragma once
// One copy of the program per settings folder.
//
// Two copies on the same settings files would each write what they hold when
// they close, and the later one would silently undo what the other saved. So
// the copy that runs holds a lock file in the settings folder and listens on
// a local socket named after the folder; a second start on that folder finds
// the lock taken, asks the running copy to bring its main window to the
// front, and ends. A lock left behind by a copy that was killed belongs to a
// process that is gone: QLockFile takes it over, and the socket it left is
// replaced.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

namespace qvk {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `bringToFront` runs in the running copy, on its event loop, each time a
    // later start asks for it.
    SingleInstance(const QString& settingsFolder, std::function<void()> bringToFront, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,          // this copy runs, and answers later starts from now on
        AlreadyRunning  // another copy runs on the folder and was asked to come to the front: end this one
    };
    // A folder where no lock can be made (read-only, missing) cannot be
    // guarded: the copy runs.
    Start claim();

    // The local socket's name for a settings folder.
    static QString serverName(const QString& settingsFolder);

private:
    void askRunningCopy() const;
    void listen();

    QString folder_;
    std::function<void()> bringToFront_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace qvk

#include "app/qvk/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace qvk {
namespace {

constexpr const char* kLockFileName = "qvk.lock";
constexpr QByteArrayView kRequest = "front\n";
// The running copy may be between taking the lock and listening.
constexpr int kPatienceMilliseconds = 3000;

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFolder, std::function<void()> bringToFront, QObject* parent)
    : QObject(parent),
      folder_(settingsFolder),
      bringToFront_(std::move(bringToFront)),
      lock_(QDir(settingsFolder).filePath(kLockFileName))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& settingsFolder)
{
    const QDir dir(settingsFolder);
    const QString folder = dir.exists() ? dir.canonicalPath() : dir.absolutePath();
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return "qvk-" + QString::fromLatin1(hash);
}

SingleInstance::Start SingleInstance::claim()
{
    if (lock_.tryLock(0)) {
        listen();
        return Start::First;
    }
    if (lock_.error() != QLockFile::LockFailedError) return Start::First;
    askRunningCopy();
    return Start::AlreadyRunning;
}

void SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(folder_);
    // the lock is ours, so a socket of that name was left by a copy that was killed
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            // a request is a few bytes; nothing else is read
            socket->setReadBufferSize(kRequest.size());
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() < kRequest.size()) return;
                const bool asked = socket->read(kRequest.size()) == kRequest;
                socket->disconnectFromServer();
                if (asked && bringToFront_) bringToFront_();
            });
        }
    });
}

void SingleInstance::askRunningCopy() const
{
    QLocalSocket socket;
    const QDeadlineTimer patience(kPatienceMilliseconds);
    while (!patience.hasExpired()) {
        socket.connectToServer(serverName(folder_));
        if (socket.waitForConnected(static_cast<int>(patience.remainingTime()))) break;
        socket.abort();
        QThread::msleep(50);
    }
    if (socket.state() != QLocalSocket::ConnectedState) return;
    socket.write(kRequest.data(), kRequest.size());
    socket.waitForBytesWritten(kPatienceMilliseconds);
    socket.disconnectFromServer();
}

}  // namespace qvk

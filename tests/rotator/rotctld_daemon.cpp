#include "rotctld_daemon.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace qvk::rotator {
namespace {

// A port that was free a moment ago; another program may still take it, so
// start() tries a few.
int freeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

QString RotctldDaemon::executable() { return QStandardPaths::findExecutable("rotctld"); }

bool RotctldDaemon::start()
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = freeLoopbackPort();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(executable(), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)});
        if (!process_.waitForStarted(10000)) {
            problem = "rotctld did not start: " + process_.errorString();
            return false;
        }
        // a generous limit for a loaded machine; it is up within a second as a rule
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            if (acceptsConnections()) return true;
            QThread::msleep(50);
        }
        problem = "rotctld did not take connections on port " + QString::number(port_) + ": " +
                  QString::fromLocal8Bit(process_.readAll());
        process_.kill();
        process_.waitForFinished(5000);
    }
    return false;
}

RotctldDaemon::~RotctldDaemon()
{
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool RotctldDaemon::acceptsConnections() const
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
    return probe.waitForConnected(1000);
}

}  // namespace qvk::rotator

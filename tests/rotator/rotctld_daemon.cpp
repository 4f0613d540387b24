#include "rotctld_daemon.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <cmath>

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

// rotctld's own clock, ten times as fast where libfaketime is installed; the
// library goes into rotctld alone, not into the test.
QProcessEnvironment rotctldEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString fasterClock = QString::fromUtf8(QVK_FAKETIME_LIBRARY);
    if (!fasterClock.isEmpty() && QFileInfo::exists(fasterClock)) {
        environment.insert("LD_PRELOAD", fasterClock);
        environment.insert("FAKETIME", "+0 x10");
    }
    return environment;
}

}  // namespace

QString RotctldDaemon::executable() { return QStandardPaths::findExecutable("rotctld"); }

bool RotctldDaemon::start()
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = freeLoopbackPort();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setProcessEnvironment(rotctldEnvironment());
        process_.start(executable(), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)});
        if (!process_.waitForStarted(10000)) {
            problem = "rotctld did not start: " + process_.errorString();
            return false;
        }
        // a generous limit for a loaded machine; it is up within a second as a rule
        const bool up =
            QTest::qWaitFor([&] { return process_.state() != QProcess::Running || acceptsConnections(); }, 20000);
        if (up && process_.state() == QProcess::Running) return true;
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

double readAzimuthUntil(RotatorClient& client, const std::function<bool(double)>& enough, int limitMs)
{
    QSignalSpy positions(&client, &RotatorClient::positionRead);
    QSignalSpy failures(&client, &RotatorClient::failed);
    double last = NAN;
    // the last azimuth tells the caller how far it came, so the outcome itself is not needed
    (void)QTest::qWaitFor(
        [&] {
            if (!positions.isEmpty()) {
                last = positions.takeLast().at(0).toDouble();
                positions.clear();
                if (enough(last)) return true;
            }
            client.requestPosition();  // nothing new while one is on its way
            return !failures.isEmpty();
        },
        limitMs);
    return last;
}

}  // namespace qvk::rotator

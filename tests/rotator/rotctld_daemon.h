#pragma once
// The real rotctld with its dummy rotator (-m 1) on a free loopback port, for
// the length of one test. The dummy turns six degrees a second, from north.

#include <QProcess>
#include <QString>

namespace qvk::rotator {

class RotctldDaemon {
public:
    // Where rotctld is installed; empty when it is not (Debian libhamlib-utils).
    static QString executable();

    // Starts it and waits until it takes connections; false with the reason
    // in `problem` when it does not come up.
    bool start();
    ~RotctldDaemon();

    int port() const { return port_; }
    QString address() const { return QString("127.0.0.1:%1").arg(port_); }
    QString problem;

private:
    bool acceptsConnections() const;

    QProcess process_;
    int port_ = 0;
};

}  // namespace qvk::rotator

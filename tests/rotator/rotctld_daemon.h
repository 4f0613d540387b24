#pragma once
// The real rotctld with its dummy rotator (-m 1) on a free loopback port, for
// the length of one test. The dummy starts at north and turns six degrees a
// second by its own clock; where libfaketime is installed that clock runs ten
// times as fast, so that a half circle takes three seconds instead of thirty.

#include "rotator/rotator_client.h"

#include <QProcess>
#include <QString>

#include <functional>

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

// Reads the rotator's azimuth through the client, again as soon as each reply
// is in, until `enough` holds for it, the client fails, or `limitMs` runs out.
// The last azimuth read; NAN when none came.
double readAzimuthUntil(RotatorClient& client, const std::function<bool(double)>& enough, int limitMs);

}  // namespace qvk::rotator

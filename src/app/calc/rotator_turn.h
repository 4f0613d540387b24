#pragma once
// qvk-calc's way to a rotator: one turn through rotctld, waited for. The only
// place where qvk-calc runs Qt's event loop; every other command stays plain.

#include <string>

namespace qvk::calc {

struct TurnOutcome {
    bool ok = false;
    double azimuth = 0;  // what rotctld was sent, in the rotator's own range
    std::string error;   // the rotator's short status text (UTF-8)
};

// Turns the rotator behind rotctld at host:port to the heading and returns
// once rotctld has taken the turn or failed (the client's time-outs bound the
// wait). It does not wait for the antenna to arrive.
TurnOutcome turnRotator(const std::string& host, int port, double heading);

}  // namespace qvk::calc

#include "rotator/rotator_messages.h"

#include "core/number_text.h"
#include "rotator/hamlib_errors.h"

namespace qvk::rotator {
namespace {

constexpr const char* kDegree = "\u00B0";

std::string degrees(double value, int decimals) { return formatFixed(value, decimals) + kDegree; }

}  // namespace

std::string notReachableMessage(const std::string& address) { return "Rotator not reachable at " + address; }

std::string noAnswerMessage(const std::string& address) { return "Rotator at " + address + " did not answer"; }

std::string connectionClosedMessage(const std::string& address)
{
    return "Rotator at " + address + " closed the connection";
}

std::string unreadableReplyMessage(const std::string& address)
{
    return "Rotator at " + address + " sent an unreadable reply";
}

std::string misbehavingMessage(const std::string& address)
{
    return "Rotator at " + address + " sent too much; disconnected";
}

std::string refusedMessage(int code)
{
    return "Rotator refused: " + hamlibErrorText(code) + " (RPRT " + std::to_string(code) + ")";
}

std::string outOfRangeMessage(double heading, const RotatorRange& range)
{
    return "Heading " + degrees(heading, 1) + " is beyond the rotator's range of " + degrees(range.minAzimuth, 0) +
           " to " + degrees(range.maxAzimuth, 0);
}

std::string turningMessage(double heading) { return "Antenna turning to " + degrees(heading, 1); }

std::string stoppedMessage() { return "Rotator stopped"; }

}  // namespace qvk::rotator

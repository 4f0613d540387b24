#pragma once
// The short status texts of the rotator, one line each, for the compass and
// for qvk-calc's standard error alike (UTF-8). They name the address, so that
// an operator with two rotators knows which one spoke.

#include "rotator/azimuth_range.h"

#include <string>

namespace qvk::rotator {

std::string notReachableMessage(const std::string& address);  // "Rotator not reachable at 127.0.0.1:4533"
std::string noAnswerMessage(const std::string& address);      // it took more than the time-out
std::string connectionClosedMessage(const std::string& address);
std::string unreadableReplyMessage(const std::string& address);
std::string misbehavingMessage(const std::string& address);  // it sent more than asked: the connection was dropped
std::string refusedMessage(int code);                        // "Rotator refused: Invalid parameter (RPRT -1)"
std::string outOfRangeMessage(double heading, const RotatorRange& range);
std::string turningMessage(double heading);  // "Antenna turning to 224.2°"
std::string stoppedMessage();

}  // namespace qvk::rotator

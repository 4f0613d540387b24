#pragma once
// Hamlib's error codes as rotctld reports them ("RPRT -1"), with the texts
// Hamlib itself gives them (rigerror), so that the operator reads the same
// words as in rotctl.

#include <string>

namespace qvk::rotator {

// The text of a code, whichever sign it arrives with: 1 and -1 are both
// "Invalid parameter". 0 is success; a code newer than this table reads
// "Hamlib error 23".
std::string hamlibErrorText(int code);

}  // namespace qvk::rotator

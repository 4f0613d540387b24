#include "rotator/hamlib_errors.h"

#include <array>
#include <cstdlib>

namespace qvk::rotator {
namespace {

// Indexed by the code's magnitude, in the order of Hamlib's enum rig_errcode_e.
constexpr std::array<const char*, 23> kTexts = {
    "Command completed successfully",
    "Invalid parameter",
    "Invalid configuration",
    "Memory shortage",
    "Feature not implemented",
    "Communication timed out",
    "IO error",
    "Internal Hamlib error",
    "Protocol error",
    "Command rejected by the rig",
    "Command performed, but arg truncated, result not guaranteed",
    "Feature not available",
    "Target VFO unaccessible",
    "Communication bus error",
    "Communication bus collision",
    "NULL RIG handle or invalid pointer parameter",
    "Invalid VFO",
    "Argument out of domain of func",
    "Function deprecated",
    "Security error password not provided or crypto failure",
    "Rig is not powered on",
    "Limit exceeded",
    "Access denied",
};

}  // namespace

std::string hamlibErrorText(int code)
{
    const unsigned magnitude = static_cast<unsigned>(std::abs(static_cast<long>(code)));
    if (magnitude < kTexts.size()) return kTexts[magnitude];
    return "Hamlib error " + std::to_string(magnitude);
}

}  // namespace qvk::rotator

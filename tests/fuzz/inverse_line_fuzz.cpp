// One line of qvk-calc's batch input: four numbers, or anything else.

#include "app/calc/inverse_batch.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    const std::string out = qvk::calc::inverseLine(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (out.empty() == error.empty()) __builtin_trap();  // either an answer or a reason, never both
    return 0;
}

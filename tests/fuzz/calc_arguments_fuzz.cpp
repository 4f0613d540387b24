// qvk-calc's position arguments, typed in any encoding: UTF-8, Windows-1252
// bytes, degree signs left out.

#include "app/calc/position_argument.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view argument(reinterpret_cast<const char*>(data), size);
    const auto reading = qvk::calc::readPosition(argument);
    if (!reading.ok && reading.error.empty()) __builtin_trap();
    return 0;
}

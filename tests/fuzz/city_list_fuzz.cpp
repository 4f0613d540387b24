// A city list file: every line is an entry that may be committed.

#include "catalogue/list_entry.h"
#include "core/line_file.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const auto& line : qvk::splitLines(std::string_view(reinterpret_cast<const char*>(data), size))) {
        const auto entry = qvk::positionOfEntry(line);
        if (entry.status == qvk::EntryPosition::Status::Found &&
            (!std::isfinite(entry.position.latitude) || !std::isfinite(entry.position.longitude)))
            __builtin_trap();
    }
    return 0;
}

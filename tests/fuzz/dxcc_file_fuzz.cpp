// The master location file "states.txt", hand-edited or damaged: its lines,
// the DXCC entries, their by-country rewrite and their commit path.

#include "catalogue/list_entry.h"
#include "catalogue/master_list.h"
#include "core/line_file.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = qvk::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& entry : qvk::dxccEntries(lines)) {
        if (entry.size() > qvk::kEntryTextLength) __builtin_trap();
        qvk::byCountryEntry(entry);
        qvk::positionOfEntry(entry);
    }
    return 0;
}

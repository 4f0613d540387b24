#include "catalogue/master_list.h"

#include "core/byte_text.h"

namespace qvk {

std::vector<std::string> dxccEntries(const std::vector<std::string>& masterLines)
{
    std::vector<std::string> entries;
    for (const auto& line : masterLines)
        if (line.starts_with(kDxccTag)) entries.push_back(text::copy(line, 4, kEntryTextLength));
    return entries;
}

std::string byCountryEntry(std::string_view entry)
{
    // positions from 1, 0 when absent, and copies clipped at the ends: an entry
    // without the two spaces or the "(" is still rewritten, never refused
    const auto spaces = static_cast<long long>(text::pos("  ", entry));
    const auto paren = static_cast<long long>(text::pos("(", entry));
    const std::string name = text::copy(entry, spaces + 2, paren - spaces - 2);
    const std::string head = text::copy(entry, 1, spaces + 1);
    const std::string tail = text::copy(entry, paren, kEntryTextLength);
    return name + head + tail;
}

}  // namespace qvk

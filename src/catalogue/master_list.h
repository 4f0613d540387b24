#pragma once
// The master location file "states.txt": one record per line, a three-byte
// tag and up to 100 bytes of entry text. "DX~" marks a DXCC entity, whose
// entry text is: prefix field, two spaces, name, " (" zones ")", and the
// position as a degrees.minutes pair text last:
//     DX~DA-DL  Fed. Rep. of Germany (EU CQ14 ITU28) N°51.00\E°10.00

#include <string>
#include <string_view>
#include <vector>

namespace qvk {

// In the data folder.
inline constexpr const char* kMasterFileName = "states.txt";
inline constexpr std::string_view kDxccTag = "DX~";
inline constexpr std::size_t kEntryTextLength = 100;

// The entry texts (bytes 4 to 103) of every "DX~" line, in file order. The
// tag is compared exactly: "dx~" or " DX" lines are not DXCC entries.
std::vector<std::string> dxccEntries(const std::vector<std::string>& masterLines);

// An entry rewritten name first for the by-country order: the name (between
// the two spaces and the "("), then the prefix field with its two spaces, then
// the rest from the "(" on. "ZZ  Examplia (x)" becomes "Examplia ZZ  (x)".
std::string byCountryEntry(std::string_view entry);

}  // namespace qvk

#pragma once
// Conversion between the program's Windows-1252 bytes and UTF-8, for the
// places where text leaves or enters the program (the screen, a terminal).

#include <string>
#include <string_view>

namespace qvk {

std::string windows1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold become "?"; bytes that are not
// valid UTF-8 are taken as Windows-1252 already.
std::string utf8ToWindows1252(std::string_view utf8);

}  // namespace qvk

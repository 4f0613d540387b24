#include "app/calc/terminal_text.h"

#include <algorithm>

namespace qvk::calc {
namespace {

void appendEscape(std::string& out, unsigned char byte)
{
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

// The length of the valid UTF-8 sequence at s[i], or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}

}  // namespace

std::string escapedForTerminal(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = sequenceLength(utf8, i);
        // C1 controls are C2 80 to C2 9F in UTF-8
        const bool control = byte < 0x20 || byte == 0x7F ||
                             (length == 2 && byte == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0);
        if (length == 0 || control) {
            for (std::size_t k = 0; k < std::max<std::size_t>(length, 1); ++k)
                appendEscape(out, static_cast<unsigned char>(utf8[i + k]));
            i += std::max<std::size_t>(length, 1);
        } else {
            out.append(utf8.substr(i, length));
            i += length;
        }
    }
    return out;
}

}  // namespace qvk::calc

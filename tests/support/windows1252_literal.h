#pragma once
// "N°32.39"_cp1252: a text as the program's files hold it, with the degree
// sign as the single byte B0 rather than the two bytes of the UTF-8 source.

#include <cstddef>
#include <string>

inline std::string operator""_cp1252(const char* text, std::size_t length)
{
    std::string bytes;
    bytes.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '\xC2' && i + 1 < length && text[i + 1] == '\xB0') continue;  // keep only the B0
        bytes += text[i];
    }
    return bytes;
}

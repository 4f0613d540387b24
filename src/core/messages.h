#pragma once
// The program's general error texts, shown in the application's error box.

#include <string>
#include <string_view>

namespace qvk {

// A text quoted in a message, cut short when a damaged file holds a line of
// megabytes: the box must still fit on the screen.
inline std::string quotedInMessage(std::string_view text)
{
    constexpr std::size_t kLongest = 100;
    return text.size() <= kLongest ? std::string(text) : std::string(text.substr(0, kLongest)) + "...";
}

inline std::string cannotOpenFileMessage(std::string_view path)
{
    return "Cannot open file " + std::string(path) + ".";
}

inline std::string cannotCreateFileMessage(std::string_view path)
{
    return "Cannot create file " + std::string(path) + ".";
}

inline std::string invalidFloatMessage(std::string_view text)
{
    return "'" + quotedInMessage(text) + "' is not a valid floating point value.";
}

}  // namespace qvk

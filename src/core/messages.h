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

// The text in single quotes, as the standard error texts name a value.
inline std::string singleQuoted(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += quotedInMessage(text);
    quoted += '\'';
    return quoted;
}

inline std::string invalidFloatMessage(std::string_view text)
{
    return singleQuoted(text) + " is not a valid floating point value.";
}

inline std::string invalidIntegerMessage(std::string_view text)
{
    return singleQuoted(text) + " is not a valid integer value.";
}

}  // namespace qvk

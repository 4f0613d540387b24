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

// A file that exists but could not be read: "Cannot read file /home/op/qvk/prefs.qvk: Permission denied."
inline std::string cannotReadFileMessage(std::string_view path, std::string_view reason)
{
    return "Cannot read file " + std::string(path) + ": " + std::string(reason) + ".";
}

// The system's reason added: "Cannot create file /home/op/qvk/prefs.qvk: No space left on device."
inline std::string cannotCreateFileMessage(std::string_view path, std::string_view reason)
{
    return "Cannot create file " + std::string(path) + ": " + std::string(reason) + ".";
}

// A message about what a file holds names the file, and the line where there is one:
// "/home/op/qvk/prefs.qvk, line 4: 'x' is not a valid floating point value."
inline std::string inFileMessage(std::string_view file, std::string_view text)
{
    return std::string(file) + ": " + std::string(text);
}

inline std::string atLineMessage(std::string_view file, std::size_t line, std::string_view text)
{
    return std::string(file) + ", line " + std::to_string(line) + ": " + std::string(text);
}

inline std::string invalidFloatMessage(std::string_view text)
{
    return "'" + quotedInMessage(text) + "' is not a valid floating point value.";
}

}  // namespace qvk

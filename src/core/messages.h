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

// A file the system refused, with its reason: "Cannot read file PATH: REASON."
inline std::string fileRefusedMessage(std::string_view cannot, std::string_view path, std::string_view reason)
{
    std::string message(cannot);
    message += " file ";
    message += path;
    message += ": ";
    message += reason;
    message += '.';
    return message;
}

// A file that exists but could not be read: "Cannot read file /home/op/qvk/prefs.qvk: Permission denied."
inline std::string cannotReadFileMessage(std::string_view path, std::string_view reason)
{
    return fileRefusedMessage("Cannot read", path, reason);
}

// The system's reason added: "Cannot create file /home/op/qvk/prefs.qvk: No space left on device."
inline std::string cannotCreateFileMessage(std::string_view path, std::string_view reason)
{
    return fileRefusedMessage("Cannot create", path, reason);
}

// A message about what a file holds names the file, and the line where there is one:
// "/home/op/qvk/prefs.qvk, line 4: 'x' is not a valid floating point value."
inline std::string inFileMessage(std::string_view file, std::string_view text)
{
    std::string message(file);
    message += ": ";
    message += text;
    return message;
}

inline std::string atLineMessage(std::string_view file, std::size_t line, std::string_view text)
{
    std::string place(file);
    place += ", line ";
    place += std::to_string(line);
    return inFileMessage(place, text);
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

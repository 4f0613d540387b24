#pragma once
// The program's general error texts, shown in the application's error box.

#include <string>
#include <string_view>

namespace qvk {

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
    return "'" + std::string(text) + "' is not a valid floating point value.";
}

}  // namespace qvk

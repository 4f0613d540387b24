#pragma once
// The program's files as lists of lines: read whole, written whole.
//
// A line ends at CR, LF or CR LF, and a last line without its end counts.
// Lines are written with CR LF. Settings files are written atomically: a
// temporary file beside the target is renamed over it, so a crash or a full
// disk can never leave a half-written file behind.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvk {

std::vector<std::string> splitLines(std::string_view bytes);

// nullopt when the file cannot be opened or read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// false when the file could not be written; the old file is then untouched.
bool writeLinesAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace qvk

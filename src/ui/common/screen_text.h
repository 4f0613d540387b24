#pragma once
// The one crossing between the program's Windows-1252 bytes and Qt's text,
// and between Qt's file paths and the plain C++ file readers.

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace qvk::ui {

QString toScreen(std::string_view bytes);
std::string fromScreen(const QString& text);

// A path as the operating system spells it, for readLines and writeLinesAtomically.
std::filesystem::path toFileSystemPath(const QString& path);
QString fromFileSystemPath(const std::filesystem::path& path);

}  // namespace qvk::ui

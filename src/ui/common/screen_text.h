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

// A path as the operating system spells it, for readLineFile and writeLinesAtomically.
std::filesystem::path toFileSystemPath(const QString& path);
QString fromFileSystemPath(const std::filesystem::path& path);

// A message in the system's own spelling, as the file readers and writers
// give it: a path and the system's reason ("Cannot read file
// /home/op/.config/qvk/prefs.qvk: Permission denied.").
QString fromSystemText(std::string_view text);
// A message about what a file holds: its path in the system's spelling,
// then the text, which quotes the file's own bytes (Windows-1252).
QString aboutFile(const std::filesystem::path& file, std::string_view text);
QString aboutFileLine(const std::filesystem::path& file, std::size_t line, std::string_view text);

}  // namespace qvk::ui

#include "ui/common/screen_text.h"

#include "core/windows1252.h"

#include <QFile>

namespace qvk::ui {

QString toScreen(std::string_view bytes) { return QString::fromStdString(windows1252ToUtf8(bytes)); }

std::string fromScreen(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

std::filesystem::path toFileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromFileSystemPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

}  // namespace qvk::ui

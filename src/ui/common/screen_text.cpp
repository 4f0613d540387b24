#include "ui/common/screen_text.h"

#include "core/messages.h"
#include "core/windows1252.h"

#include <QFile>

namespace qvk::ui {

QString toScreen(std::string_view bytes) { return QString::fromStdString(windows1252ToUtf8(bytes)); }

std::string fromScreen(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

std::filesystem::path toFileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromFileSystemPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

QString fromSystemText(std::string_view text)
{
    return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

// The file's name first, then what follows it in the message, each in its own spelling.
QString aboutFile(const std::filesystem::path& file, std::string_view text)
{
    return fromFileSystemPath(file) + toScreen(inFileMessage("", text));
}

QString aboutFileLine(const std::filesystem::path& file, std::size_t line, std::string_view text)
{
    return fromFileSystemPath(file) + toScreen(atLineMessage("", line, text));
}

}  // namespace qvk::ui

#pragma once
// The one crossing between the program's Windows-1252 bytes and Qt's text.

#include <QString>

#include <string>
#include <string_view>

namespace qvk::ui {

QString toScreen(std::string_view bytes);
std::string fromScreen(const QString& text);

}  // namespace qvk::ui

#pragma once
// Readable QStrings in GoogleTest's failure messages.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

#pragma once
// The World Map's DXCC search list: entries in a fixed order (the order is
// part of the design, so the list is never sorted), each of the form
// "1A0  Malta   #a577#b162": prefix, two blanks, name, three blanks and the
// coordinate tail. The window shows the entries without their tails and
// keeps the tails apart, index for index.

#include <QStringList>

namespace qvk::ui {

struct SearchList {
    QStringList shown;  // "1A0  Malta": everything before the first "   #"
    QStringList tails;  // "#a577#b162": everything from the first "#" on
};

SearchList splitSearchList(const QStringList& entries);

// The entries compiled into the program, in their order.
QStringList builtInSearchEntries();

}  // namespace qvk::ui

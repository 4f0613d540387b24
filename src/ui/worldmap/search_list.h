#pragma once
// The World Map's DXCC search list: entries in a fixed order, never
// sorted, since the other prefixes of an entity follow its first ("3W  Vietnam",
// "XV  Vietnam") where a sort would scatter them. Each entry is of the form
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

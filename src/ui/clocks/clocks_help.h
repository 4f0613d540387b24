#pragma once
// The Clocks window's help text, shown while the pointer rests on "Help".

#include <QString>

namespace qvk::ui {

// Nine lines joined by line feeds.
QString clocksHelpText();

}  // namespace qvk::ui

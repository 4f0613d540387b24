#include "ui/clocks/clocks_help.h"

#include <QStringList>

namespace qvk::ui {

QString clocksHelpText()
{
    // the blanks are part of the text: two after "Reset,", one on each empty line
    return QStringList{
        "Enter place name followed by GMToffset in brackets in the",
        "individual place boxes, click Reset,  and times will then be",
        "displayed.",
        " ",
        "Example:   Chicago   [-6]",
        "Example:   India   [5.5]",
        "The offsets can be hidden outside of the box view if desired.",
        " ",
        "Right click on time to change to and from DST (hh:mmAM*).",
    }
        .join('\n');
}

}  // namespace qvk::ui

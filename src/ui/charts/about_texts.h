#pragma once
// The texts of the About window, top to bottom, where they stand.

#include <QPoint>
#include <QString>

#include <vector>

namespace qvk::ui {

struct AboutText {
    QString labelName;
    QPoint position;  // in the client area
    int width;        // as laid out, or 0 for as wide as the text
    QString text;     // lines separated by "\n", blanks kept
};

std::vector<AboutText> aboutTexts();

}  // namespace qvk::ui

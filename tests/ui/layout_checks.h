#pragma once
// What an operator would notice of a window's layout, for the window tests:
// a control cut off at the edge of the window, two controls over each other,
// a text that does not fit its control.

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace qvk::ui {

// The control's rectangle in the coordinates of `window`, one of its ancestors.
QRect placeIn(const QWidget& control, const QWidget& window);

// The controls that are not wholly inside the window, by name.
QStringList cutOff(const std::vector<const QWidget*>& controls, const QWidget& window);

// The pairs of controls that overlap, as "first / second".
QStringList overlapping(const std::vector<const QWidget*>& controls, const QWidget& window);

// Whether the control has room for the whole of `text` in its font: a label
// (several lines too), a line edit, a check box or a button.
bool hasRoomFor(const QWidget& control, const QString& text);

// The control's own text: what a label, a line edit or a button shows.
QString shownText(const QWidget& control);

}  // namespace qvk::ui

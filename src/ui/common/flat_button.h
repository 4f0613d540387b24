#pragma once
// The program's flat push buttons: no focus of their own (clicking one never
// takes the focus from the location list), text in a given colour.

#include "ui/common/colours.h"

#include <QRect>
#include <QToolButton>

namespace qvk::ui {

QToolButton* makeFlatButton(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                            const QColor& textColour = kNavy);

// Text colour and weight of a button, as the highlighting of the chosen button sets them.
void setButtonLook(QToolButton& button, const QColor& textColour, bool bold);

// A label or panel's colours in one call.
void setColours(QWidget& widget, const QColor& background, const QColor& text);

}  // namespace qvk::ui

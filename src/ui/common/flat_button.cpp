#include "ui/common/flat_button.h"

namespace qvk::ui {
namespace {

constexpr int kLightText = 160;  // of 255

}  // namespace

QToolButton* makeFlatButton(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                            const QColor& textColour)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    setButtonLook(*button, textColour, false);
    return button;
}

void setButtonLook(QToolButton& button, const QColor& textColour, bool bold)
{
    // the colour of an enabled button only: a disabled one stays grey, as it must look
    QPalette palette = button.palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, textColour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, textColour);
    // Under the pointer a flat button is filled with the palette's button
    // colour, near-white in most styles: a light text ("Clear" is white)
    // gets the navy of the program's texts as its fill, or it would vanish.
    if (textColour.lightness() > kLightText) palette.setColor(QPalette::Button, kNavy);
    button.setPalette(palette);
    QFont font = button.font();
    font.setBold(bold);
    button.setFont(font);
}

void setColours(QWidget& widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace qvk::ui

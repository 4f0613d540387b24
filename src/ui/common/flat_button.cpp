#include "ui/common/flat_button.h"

namespace qvk::ui {

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

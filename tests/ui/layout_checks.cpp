#include "layout_checks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace qvk::ui {
namespace {

// Where a line edit draws its text: inside its frame and margins, less the
// two pixels Qt keeps clear on either side.
QRect lineEditTextRoom(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return contents.marginsRemoved(edit.textMargins()).adjusted(2, 0, -2, 0);
}

// Where a check box or a radio button draws its text, beside its indicator.
QRect indicatorTextRoom(const QAbstractButton& button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(contents, &option, &button);
}

QRect textRoom(const QWidget& control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return lineEditTextRoom(*edit);
    if (const auto* box = qobject_cast<const QCheckBox*>(&control))
        return indicatorTextRoom(*box, QStyle::SE_CheckBoxContents);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control))
        return indicatorTextRoom(*radio, QStyle::SE_RadioButtonContents);
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    // a push or tool button: inside its frame
    return control.rect().adjusted(2, 2, -2, -2);
}

QString nameOf(const QWidget& control)
{
    return control.objectName().isEmpty() ? "\"" + shownText(control) + "\"" : control.objectName();
}

}  // namespace

QRect placeIn(const QWidget& control, const QWidget& window)
{
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

QStringList cutOff(const std::vector<const QWidget*>& controls, const QWidget& window)
{
    QStringList outside;
    for (const QWidget* control : controls)
        if (!window.rect().contains(placeIn(*control, window))) outside << nameOf(*control);
    return outside;
}

QStringList overlapping(const std::vector<const QWidget*>& controls, const QWidget& window)
{
    QStringList pairs;
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (placeIn(*controls[i], window).intersects(placeIn(*controls[j], window)))
                pairs << nameOf(*controls[i]) + " / " + nameOf(*controls[j]);
    return pairs;
}

bool hasRoomFor(const QWidget& control, const QString& text)
{
    const QSize needed = control.fontMetrics().size(0, text);
    const QRect room = textRoom(control);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QString shownText(const QWidget& control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return {};
}

}  // namespace qvk::ui

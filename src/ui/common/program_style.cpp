#include "ui/common/program_style.h"

#include <QApplication>
#include <QFontMetrics>

namespace qvk::ui {

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 100;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QFont programFont(qreal points)
{
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPointSizeF(points);
    return font;
}

QFont narrowedToFit(QFont font, const std::function<bool(const QFontMetrics&)>& fits)
{
    // unhinted advances narrow evenly with the stretch, not in jumps of a pixel a letter
    font.setHintingPreference(QFont::PreferVerticalHinting);
    for (int stretch = 100; stretch > 50; --stretch) {
        font.setStretch(stretch);
        if (fits(QFontMetrics(font))) break;
    }
    return font;
}

void applyProgramLook(QApplication& application)
{
    application.setStyle(new ProgramStyle);
    application.setFont(programFont(8));
}

}  // namespace qvk::ui

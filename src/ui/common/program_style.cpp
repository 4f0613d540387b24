#include "ui/common/program_style.h"

#include <QApplication>

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

void applyProgramLook(QApplication& application)
{
    application.setStyle(new ProgramStyle);
    application.setFont(programFont(8));
}

}  // namespace qvk::ui

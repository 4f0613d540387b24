#pragma once
// The program's look, set once for the application: the platform's widget
// style with hints that show after 100 ms (the buttons' hints are meant to be
// read at a glance), and an 8-point sans-serif face of Arial's metrics, so that
// texts fit the compact window layouts.

#include <QFont>
#include <QProxyStyle>

#include <functional>

class QApplication;
class QFontMetrics;

namespace qvk::ui {

class ProgramStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// The program's sans-serif face at a size in points.
QFont programFont(qreal points);

// Texts laid out for a narrow face: where a wider face stands in, the font's
// letters are narrowed (down to half their width) until fits says the texts
// fit, so that they are neither cut off nor shrunk in height.
QFont narrowedToFit(QFont font, const std::function<bool(const QFontMetrics&)>& fits);

void applyProgramLook(QApplication& application);

}  // namespace qvk::ui

#pragma once
// The program's look, set once for the application: the platform's widget
// style with hints that show after 100 ms (the buttons' hints are meant to be
// read at a glance), and an 8-point sans-serif face of Arial's metrics, so that
// texts fit the compact window layouts.

#include <QFont>
#include <QProxyStyle>

class QApplication;

namespace qvk::ui {

class ProgramStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// The program's sans-serif face at a size in points.
QFont programFont(qreal points);

void applyProgramLook(QApplication& application);

}  // namespace qvk::ui

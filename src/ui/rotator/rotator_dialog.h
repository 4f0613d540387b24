#pragma once
// The "Rotator" window: whether a rotator is in use, where its rotctld
// listens, and whether the compass shows the antenna's heading.
//
// "OK" hands the settings over (saved) and closes; "Cancel" and the close box
// change nothing. It writes no file itself.

#include "rotator/rotator_settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qvk::ui {

class RotatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit RotatorDialog(QWidget* parent = nullptr);

    void setSettings(const qvk::rotator::RotatorSettings& settings);
    // The settings as the controls show them now.
    qvk::rotator::RotatorSettings settings() const;

signals:
    void saved(const qvk::rotator::RotatorSettings& settings);

private:
    void okClick();
    void refreshOk();

    QCheckBox* enabledBox_ = nullptr;
    QLineEdit* hostBox_ = nullptr;
    QSpinBox* portBox_ = nullptr;
    QCheckBox* pollBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace qvk::ui

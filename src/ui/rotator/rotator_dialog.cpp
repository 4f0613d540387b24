#include "ui/rotator/rotator_dialog.h"

#include "ui/common/controls.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/common/screen_text.h"
#include "ui/common/window_frame.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qvk::ui {

RotatorDialog::RotatorDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("Rotator");
    setWindowTitle("Rotator");
    setWindowFlags(kTitleAndCloseBox);
    setFont(programFont(8));
    setColours(*this, kSand, kNavy);  // as the Home Parameters window

    enabledBox_ = named(new QCheckBox("Turn the antenna with a rotator (Hamlib rotctld)"), "RotatorEnabled");
    hostBox_ = named(new QLineEdit, "RotatorHost");
    hostBox_->setToolTip("The computer where rotctld runs");
    portBox_ = named(new QSpinBox, "RotatorPort");
    portBox_->setRange(1, 65535);
    portBox_->setToolTip("rotctld -t PORT; 4533 unless told otherwise");
    pollBox_ = named(new QCheckBox("Show the antenna's heading on the compass (read every second)"), "RotatorPoll");

    auto* address = new QFormLayout;
    address->addRow("Host:", hostBox_);
    address->addRow("Port:", portBox_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    okButton_ = named(buttons->button(QDialogButtonBox::Ok), "RotatorOk");
    named(buttons->button(QDialogButtonBox::Cancel), "RotatorCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &RotatorDialog::okClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(enabledBox_);
    layout->addLayout(address);
    layout->addWidget(pollBox_);
    layout->addWidget(buttons);

    connect(enabledBox_, &QCheckBox::toggled, this, &RotatorDialog::refreshOk);
    connect(hostBox_, &QLineEdit::textChanged, this, &RotatorDialog::refreshOk);
    setSettings({});
}

void RotatorDialog::setSettings(const qvk::rotator::RotatorSettings& settings)
{
    enabledBox_->setChecked(settings.enabled);
    hostBox_->setText(toScreen(settings.host));
    portBox_->setValue(settings.port);
    pollBox_->setChecked(settings.poll);
    refreshOk();
}

qvk::rotator::RotatorSettings RotatorDialog::settings() const
{
    return {enabledBox_->isChecked(), fromScreen(hostBox_->text().trimmed()), portBox_->value(), pollBox_->isChecked()};
}

void RotatorDialog::okClick()
{
    emit saved(settings());
    accept();
}

// A rotator in use needs somewhere to reach it.
void RotatorDialog::refreshOk()
{
    const bool usable = !enabledBox_->isChecked() || !hostBox_->text().trimmed().isEmpty();
    okButton_->setEnabled(usable);
    for (QWidget* detail : std::initializer_list<QWidget*>{hostBox_, portBox_, pollBox_})
        detail->setEnabled(enabledBox_->isChecked());
}

}  // namespace qvk::ui

// The Home Parameters window's controls, top to bottom, and its looks.

#include "settings/offset_list.h"
#include "ui/common/flat_button.h"
#include "ui/common/form_window.h"
#include "ui/common/screen_text.h"
#include "ui/common/window_frame.h"
#include "ui/home/home.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace qvk::ui {

void THome::buildControls()
{
    setObjectName("Home");
    setWindowTitle("Home Parameters");
    // a title but no border icons: "Save" is the way out
    setWindowFlags(kTitleOnly);
    applyFormLook(*this);

    latitudeBox_ = named(new QLineEdit, "Edit1");
    latitudeBox_->setToolTip(toScreen("Double click to change NS\xB0"));
    flipHemisphereOnDoubleClick(*latitudeBox_, Axis::Latitude);
    longitudeBox_ = named(new QLineEdit, "Edit2");
    longitudeBox_->setToolTip(toScreen("Double click to change WE\xB0"));
    flipHemisphereOnDoubleClick(*longitudeBox_, Axis::Longitude);
    // room for the widest position and the box's frame
    const int frame = 4 * fontMetrics().averageCharWidth();
    for (QLineEdit* box : {latitudeBox_, longitudeBox_})
        box->setFixedWidth(fontMetrics().horizontalAdvance(kWidestCoordinate) + frame);

    offsetBox_ = named(new QLineEdit, "CurrencyEditGMT3");
    offsetBox_->setReadOnly(true);
    offsetBox_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    offsetBox_->setFixedWidth(fontMetrics().horizontalAdvance("-12") + frame);
    // reached by a click only; Tab passes it by on either side
    offsetBox_->setFocusPolicy(Qt::ClickFocus);

    offsetList_ = named(new QComboBox, "ComboBox1");
    for (const OffsetEntry& entry : offsetList()) offsetList_->addItem(toScreen(entry.text));
    offsetList_->setMaxVisibleItems(16);
    // the closed list stays form-sized; the open one shows every entry whole
    offsetList_->setFixedWidth(fontMetrics().averageCharWidth() * 36);
    int widest = 0;
    for (int i = 0; i < offsetList_->count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(offsetList_->itemText(i)));
    offsetList_->view()->setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth() + 20);
    // and the hint tells what the closed list cuts off
    connect(offsetList_, &QComboBox::currentTextChanged, offsetList_, &QWidget::setToolTip);

    militaryTimeBox_ = named(new QCheckBox("Display Military Time"), "CheckBox2");
    longPathBox_ = named(new QCheckBox("Display Long Path"), "CheckBox1");
    milesButton_ = named(new QRadioButton("Miles"), "RadioButton1");
    kilometresButton_ = named(new QRadioButton("Kilometers"), "RadioButton2");

    savePanel_ = named(new QFrame, "Panel1");
    savePanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    saveButton_ = makeFlatButton(savePanel_, "SpeedButton54", "Save", QRect());
    saveButton_->setMinimumWidth(fontMetrics().horizontalAdvance("Save") + 2 * frame);
    auto* panelRow = new QHBoxLayout(savePanel_);
    panelRow->setContentsMargins(4, 3, 4, 3);
    panelRow->addWidget(saveButton_, 0, Qt::AlignCenter);

    auto* form = new QGridLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);
    form->setContentsMargins(10, 10, 10, 10);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(6);
    int row = 0;
    const auto addRow = [&](const QString& caption, QWidget* control) {
        if (!caption.isEmpty()) form->addWidget(new QLabel(caption), row, 0);
        form->addWidget(control, row++, 1, Qt::AlignLeft);
    };
    addRow(kLatitudeCaption, latitudeBox_);
    addRow(kLongitudeCaption, longitudeBox_);
    addRow("GMT Offset", offsetBox_);
    addRow("Offset List", offsetList_);
    addRow({}, militaryTimeBox_);
    addRow({}, longPathBox_);
    auto* units = new QWidget;
    auto* unitsRow = new QHBoxLayout(units);
    unitsRow->setContentsMargins(0, 0, 0, 0);
    unitsRow->addWidget(milesButton_);
    unitsRow->addWidget(kilometresButton_);
    addRow("Distance:", units);
    form->addWidget(savePanel_, row, 0, 1, 2);

    adjustSize();
    centreOnScreen(*this);
}

}  // namespace qvk::ui

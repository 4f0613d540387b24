// The Home Parameters window's controls, top to bottom, and its looks.

#include "settings/offset_list.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/common/screen_text.h"
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
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace qvk::ui {
namespace {

const QColor kBackground(224, 208, 168);

template <typename Control> Control* named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

}  // namespace

void THome::buildControls()
{
    setObjectName("Home");
    setWindowTitle("Home Parameters");
    // a title but no border icons: "Save" is the way out
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(programFont(8));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) colours.setColor(role, kNavy);
    setPalette(colours);
    setAutoFillBackground(true);

    Edit1 = named(new QLineEdit, "Edit1");
    Edit1->setToolTip(toScreen("Double click to change NS\xB0"));
    Edit2 = named(new QLineEdit, "Edit2");
    Edit2->setToolTip(toScreen("Double click to change WE\xB0"));
    // room for the widest position, W°180.00, and the box's frame
    const int frame = 4 * fontMetrics().averageCharWidth();
    for (QLineEdit* box : {Edit1, Edit2})
        box->setFixedWidth(fontMetrics().horizontalAdvance(QString::fromUtf8("W°180.00")) + frame);

    CurrencyEditGMT3 = named(new QLineEdit, "CurrencyEditGMT3");
    CurrencyEditGMT3->setReadOnly(true);
    CurrencyEditGMT3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CurrencyEditGMT3->setFixedWidth(fontMetrics().horizontalAdvance("-12") + frame);
    // reached by a click only; Tab passes it by on either side
    CurrencyEditGMT3->setFocusPolicy(Qt::ClickFocus);

    ComboBox1 = named(new QComboBox, "ComboBox1");
    for (const OffsetEntry& entry : offsetList()) ComboBox1->addItem(toScreen(entry.text));
    ComboBox1->setMaxVisibleItems(16);
    // the closed list stays form-sized; the open one shows every entry whole
    ComboBox1->setFixedWidth(fontMetrics().averageCharWidth() * 36);
    int widest = 0;
    for (int i = 0; i < ComboBox1->count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(ComboBox1->itemText(i)));
    ComboBox1->view()->setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth() + 20);
    // and the hint tells what the closed list cuts off
    connect(ComboBox1, &QComboBox::currentTextChanged, ComboBox1, &QWidget::setToolTip);

    CheckBox2 = named(new QCheckBox("Display Military Time"), "CheckBox2");
    CheckBox1 = named(new QCheckBox("Display Long Path"), "CheckBox1");
    RadioButton1 = named(new QRadioButton("Miles"), "RadioButton1");
    RadioButton2 = named(new QRadioButton("Kilometers"), "RadioButton2");

    Panel1 = named(new QFrame, "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpeedButton54 = makeFlatButton(Panel1, "SpeedButton54", "Save", QRect());
    SpeedButton54->setMinimumWidth(fontMetrics().horizontalAdvance("Save") + 2 * frame);
    auto* panelRow = new QHBoxLayout(Panel1);
    panelRow->setContentsMargins(4, 3, 4, 3);
    panelRow->addWidget(SpeedButton54, 0, Qt::AlignCenter);

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
    addRow(toScreen("N\xB0'/ S\xB0'"), Edit1);
    addRow(toScreen("W\xB0'/ E\xB0'"), Edit2);
    addRow("GMT Offset", CurrencyEditGMT3);
    addRow("Offset List", ComboBox1);
    addRow({}, CheckBox2);
    addRow({}, CheckBox1);
    auto* units = new QWidget;
    auto* unitsRow = new QHBoxLayout(units);
    unitsRow->setContentsMargins(0, 0, 0, 0);
    unitsRow->addWidget(RadioButton1);
    unitsRow->addWidget(RadioButton2);
    addRow("Distance:", units);
    form->addWidget(Panel1, row, 0, 1, 2);

    adjustSize();
    // centred on the screen, whatever window opens it
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace qvk::ui

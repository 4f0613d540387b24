// The World Map's controls at their places. Positions are client coordinates
// of the window as laid out, 1016 x 591; the toolbar and the viewport take
// the window's width as it comes from the desktop.

#include "ui/common/controls.h"
#include "ui/common/flat_button.h"
#include "ui/common/pie_arrow.h"
#include "ui/common/search_combo_box.h"
#include "ui/worldmap/map_panel.h"
#include "ui/worldmap/pan_pad.h"
#include "ui/worldmap/search_list.h"
#include "ui/worldmap/world_map.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace qvk::ui {
namespace {

const QColor kViewportColour(225, 195, 120);
const QColor kArrowYellow(255, 255, 0);

QToolButton* makePictureButton(QWidget* parent, const QString& name, const QString& icon, const QRect& geometry)
{
    QToolButton* button = makeFlatButton(parent, name, QString(), geometry);
    button->setIcon(QIcon(icon));
    button->setIconSize(geometry.size());
    return button;
}

}  // namespace

void TWorldMap::buildToolbar()
{
    toolbar_ = makePanel(this, "Panel8", QRect(0, 0, width() + kToolbarOverhang, 39));
    toolbarInner_ = makePanel(toolbar_, "Panel1", QRect(0, 0, width() + kToolbarOverhang, 37));

    followToggle_ = makePictureButton(toolbarInner_, "SpeedButton2", ":/icons/map_auto.png", QRect(288, 3, 34, 32));
    followToggle_->setCheckable(true);
    followToggle_->setChecked(true);
    QToolButton* closeButton =
        makePictureButton(toolbarInner_, "SpeedButton1", ":/icons/close_cross.png", QRect(330, 3, 34, 32));
    connect(closeButton, &QToolButton::clicked, this, &QDialog::close);

    for (const PanPadButton& button : panPadButtons()) {
        QToolButton* pad = makePanPadButton(toolbarInner_, button, QPoint(375, 0));
        connect(pad, &QToolButton::clicked, this, [this, edge = button.edge] { pan(edge); });
    }

    auto* label = new QLabel("DXCC Search List:", toolbarInner_);
    label->setTextFormat(Qt::PlainText);
    label->move(425, 0);

    searchBox_ = new SearchComboBox(toolbarInner_);
    searchBox_->setObjectName("ComboBox1");
    searchBox_->setGeometry(423, 13, 358, 23);
    searchBox_->setMaxVisibleItems(20);
    setColours(*searchBox_, Qt::white, Qt::black);
    // At most 20 typed characters; a longer entry picked from the list still
    // shows whole, which a plain maximum length would cut.
    searchBox_->setValidator(new QRegularExpressionValidator(QRegularExpression(".{0,20}"), searchBox_));
    const SearchList list = splitSearchList(builtInSearchEntries());
    searchBox_->addItems(list.shown);  // in the list's own order, not sorted
    searchBox_->setFocusParking(toolbarInner_);
    searchBox_->setEditRule([](SearchComboBox& box) {
        box.applyPrefixAlias();
        box.putCaretAtEnd();
    });
    connect(searchBox_, &SearchComboBox::keyAboutToBeTyped, this, &TWorldMap::relocatePointerBeforeTyping);
    connect(searchBox_, &SearchComboBox::commitRequested, this, &TWorldMap::ComboBox1Exit);

    tailList_ = new QComboBox(toolbarInner_);
    tailList_->setObjectName("ComboBox2");
    tailList_->addItems(list.tails);
    tailList_->hide();
}

void TWorldMap::buildMap()
{
    viewport_ = makePanel(this, "Panel2", QRect(0, 39, width() + kViewportOverhang, 552));
    setColours(*viewport_, kViewportColour, kNavy);

    mapPanel_ = new MapPanel(viewport_);
    mapPanel_->setObjectName("Panel3");
    mapPanel_->setGeometry(1, 1, viewport_->width() - 2, viewport_->height() - 2);

    picture_ = new QLabel(mapPanel_);
    picture_->setObjectName("Image1");
    picture_->setPixmap(QPixmap(":/worldmap/world_map.gif"));
    picture_->setGeometry(0, 0, mapPanel_->width(), mapPanel_->height());
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Points right from 15, 15 to 91, 15 of its own 96 x 20 box.
    arrow_ = new TPieArrow(mapPanel_);
    arrow_->setObjectName("PieArrow1");
    arrow_->setArrowWidth(9);
    arrow_->setPen(QPen(kNavy, 2));
    arrow_->setBrush(kArrowYellow);
    arrow_->setTransparent(false);
    arrow_->setStartX(15);
    arrow_->setStartY(15);
    arrow_->setTargetX(91);
    arrow_->setTargetY(15);
    arrow_->hide();
    connect(arrow_, &TPieArrow::released, arrow_, &QWidget::hide);

    square_ = new RoundedSquare(mapPanel_);
    square_->setObjectName("Shape1");
    square_->resize(33, 33);
    square_->hide();

    anchor_ = makePanel(mapPanel_, "Panel4", QRect(QPoint(0, 0), kAnchorSize));
    setColours(*anchor_, Qt::red, Qt::red);
    anchor_->hide();
}

}  // namespace qvk::ui

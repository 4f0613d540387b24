#include "ui/mainwindow/status_bar.h"

#include "ui/common/colours.h"
#include "ui/common/flat_button.h"
#include "ui/mainwindow/result_texts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace qvk::ui {
namespace {

constexpr int kHeadingPanelWidth = 390;
constexpr int kExpandedHeadingWidth = 500;
constexpr int kWidestShownText = 382;

QLabel* makePanel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QFrame(parent)
{
    setObjectName("StatusBar1");
    setColours(*this, kSand, Qt::black);
    headingPanel_ = makePanel(this, "HeadingPanel", kNoHeading, QRect(0, 1, kHeadingPanelWidth, 17));
    distancePanel_ = makePanel(this, "DistancePanel", kNoDistance, QRect(kHeadingPanelWidth + 2, 1, 50, 17));
    distancePanel_->setAlignment(Qt::AlignCenter);
    overlay_ = new QLabel(kNoHeading, parent);
    overlay_->setObjectName("StatusOverlay");
    overlay_->setTextFormat(Qt::PlainText);
    overlay_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColours(*overlay_, kSand, Qt::black);
    overlay_->hide();
    overlay_->installEventFilter(this);
}

void StatusBar::setHeadingText(const QString& text)
{
    headingPanel_->setText(text);
    overlay_->setText(text);
}

QString StatusBar::headingText() const { return headingPanel_->text(); }

void StatusBar::setDistanceText(const QString& text) { distancePanel_->setText(text); }

QString StatusBar::distanceText() const { return distancePanel_->text(); }

bool StatusBar::isExpanded() const { return overlay_->isVisible(); }

void StatusBar::expand()
{
    const QString text = headingPanel_->text();
    if (text == kNoHeading || QFontMetrics(font()).horizontalAdvance(text) <= kWidestShownText) return;
    headingPanel_->resize(kExpandedHeadingWidth, headingPanel_->height());
    // the overlay lies over the bar, 2 pixels in from its edges
    overlay_->setGeometry(x() + 2, y() + 3, 459, 13);
    overlay_->show();
    overlay_->raise();
}

void StatusBar::collapse()
{
    overlay_->hide();
    headingPanel_->resize(kHeadingPanelWidth, headingPanel_->height());
}

void StatusBar::mouseDoubleClickEvent(QMouseEvent*) { expand(); }

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == overlay_ && event->type() == QEvent::MouseButtonDblClick) {
        collapse();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qvk::ui

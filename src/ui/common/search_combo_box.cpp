#include "ui/common/search_combo_box.h"

#include "catalogue/prefix_aliases.h"
#include "ui/common/screen_text.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace qvk::ui {
namespace {

constexpr int kCloseWatchMilliseconds = 100;

// Keys that the list treats as typed characters: what a text editor would
// insert or erase. Navigation, Tab and Escape keep their usual meaning.
bool isTypedKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        return !event.text().isEmpty() && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    }
}

}  // namespace

SearchComboBox::SearchComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // the highlight of the open list is the only completion
    lineEdit()->setContextMenuPolicy(Qt::PreventContextMenu);
    view()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { afterOperatorEdit(); });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { afterOperatorEdit(); });

    closeWatch_.setObjectName("Timer1");
    closeWatch_.setInterval(kCloseWatchMilliseconds);
    connect(&closeWatch_, &QTimer::timeout, this, &SearchComboBox::watchTick);
}

void SearchComboBox::addSorted(const QString& entry)
{
    int low = 0, high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::compare(itemText(middle), entry, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    insertItem(low, entry);
}

void SearchComboBox::clearAll()
{
    emptyListOpen_ = false;
    clear();
    setEditText(QString());
}

void SearchComboBox::showText(const QString& text)
{
    setEditText(text);
    lineEdit()->setCursorPosition(0);
}

bool SearchComboBox::isListOpen() const { return emptyListOpen_ || view()->isVisible(); }

void SearchComboBox::showPopup()
{
    if (isListOpen()) return;
    setEditText(QString());
    emit listOpened();
    closeWatch_.start();
    if (count() == 0) {
        emptyListOpen_ = true;
        return;
    }
    // wide enough for its entries (within reason), cut at their ends rather than in the middle
    constexpr int kWidestList = 480;
    view()->setTextElideMode(Qt::ElideRight);
    const int entriesWidth = view()->sizeHintForColumn(0) + view()->verticalScrollBar()->sizeHint().width() + 8;
    view()->setMinimumWidth(std::min(entriesWidth, kWidestList));
    QComboBox::showPopup();
    highlightFirstMatch();
}

void SearchComboBox::hidePopup()
{
    emptyListOpen_ = false;
    QComboBox::hidePopup();
}

void SearchComboBox::applyPrefixAlias()
{
    if (const auto canonical = canonicalPrefix(fromScreen(currentText()))) setEditText(toScreen(*canonical));
}

void SearchComboBox::putCaretAtEnd() { lineEdit()->setCursorPosition(static_cast<int>(currentText().size())); }

void SearchComboBox::selectAllForReplacement()
{
    const int length = static_cast<int>(currentText().size());
    lineEdit()->setSelection(length, -length);
}

void SearchComboBox::keyPressEvent(QKeyEvent* event)
{
    if (handingOver_) {
        event->accept();
        return;
    }
    const bool closingKey =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape;
    if (emptyListOpen_ && closingKey) {
        emptyListOpen_ = false;
        return;
    }
    if (!isTypedKey(*event)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    type(event);
}

// A typed key: it may move the pointer, it opens the list, and a letter goes
// in as a capital.
void SearchComboBox::type(QKeyEvent* event)
{
    emit keyAboutToBeTyped();
    showPopup();
    const QString typed = event->text();
    const bool lowerLetter = typed.size() == 1 && typed[0] >= 'a' && typed[0] <= 'z';
    QKeyEvent upper(event->type(), event->key(), event->modifiers(), lowerLetter ? typed.toUpper() : typed);
    handingOver_ = true;
    QCoreApplication::sendEvent(lineEdit(), &upper);
    handingOver_ = false;
    event->accept();
}

bool SearchComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !view()->currentIndex().isValid()) {
            // nothing matches what was typed: close and keep the text
            hidePopup();
            return true;
        }
        if (!enter && isTypedKey(*key)) {
            type(key);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void SearchComboBox::afterOperatorEdit()
{
    if (editRule_) editRule_(*this);
    highlightFirstMatch();
}

void SearchComboBox::highlightFirstMatch()
{
    if (!isListOpen()) return;
    const QString text = currentText();
    int match = -1;
    if (!text.isEmpty())
        for (int i = 0; i < count() && match < 0; ++i)
            if (itemText(i).startsWith(text, Qt::CaseInsensitive)) match = i;
    const QModelIndex index = match < 0 ? QModelIndex() : model()->index(match, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(index);
    if (index.isValid()) view()->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void SearchComboBox::watchTick()
{
    if (isListOpen()) return;
    closeWatch_.stop();
    if (focusParking_) focusParking_->setFocus(Qt::OtherFocusReason);
}

void SearchComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emptyListOpen_ = false;
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    emit commitRequested();
}

}  // namespace qvk::ui

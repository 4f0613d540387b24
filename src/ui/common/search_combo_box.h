#pragma once
// A drop-down list with an editable text, searched by typing.
//
// Its entries stay sorted, letter case ignored. A typed key opens the list
// (opening empties the text), letters become capitals, and while the list is
// open every key edits the text and the first entry that begins with it is
// highlighted; Enter takes the highlighted entry. When the open list closes, a
// close watch (every 100 ms) moves the focus to a parking widget, and losing
// the focus that way (or to another control of the window) asks the owner to
// commit the entry. Switching to another window or a popup commits nothing.

#include <QComboBox>
#include <QTimer>

#include <functional>

namespace qvk::ui {

class SearchComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SearchComboBox(QWidget* parent = nullptr);

    // Adds an entry at its place in the case-insensitive order.
    void addSorted(const QString& entry);
    // Empties the text and removes every entry.
    void clearAll();
    // Sets the text and shows it from its first character.
    void showText(const QString& text);

    bool isListOpen() const;
    void openList() { showPopup(); }

    // Where the close watch puts the focus once the list has closed.
    void setFocusParking(QWidget* parking) { focusParking_ = parking; }
    // Runs after every edit by the operator (typing, or picking an entry),
    // before the highlight follows: the owner's chance to rewrite the text.
    void setEditRule(std::function<void(SearchComboBox&)> rule) { editRule_ = std::move(rule); }

    // The whole text as a typed prefix alias ("4K") becomes its canonical
    // prefix ("4J"); any other text stays.
    void applyPrefixAlias();
    void putCaretAtEnd();
    // Selects the whole text so that the next key replaces it.
    void selectAllForReplacement();

    QTimer& closeWatch() { return closeWatch_; }

    void showPopup() override;
    void hidePopup() override;

signals:
    // A key is about to be typed into the list (before it opens the list).
    void keyAboutToBeTyped();
    // The list has just opened and emptied its text.
    void listOpened();
    // The list lost the focus to another control: commit its entry.
    void commitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void type(QKeyEvent* event);
    void afterOperatorEdit();
    void highlightFirstMatch();
    void watchTick();

    QTimer closeWatch_;
    // Open with nothing to drop down: Qt shows no popup for an empty list, but
    // typing into it must still start from an empty text, once, and the list
    // closes on Enter, Escape or the loss of the focus.
    bool emptyListOpen_ = false;
    // Set while a typed key is handed to the text box: a key the box ignores
    // (Return) comes back to the list, and must not be typed again.
    bool handingOver_ = false;
    QWidget* focusParking_ = nullptr;
    std::function<void(SearchComboBox&)> editRule_;
};

}  // namespace qvk::ui

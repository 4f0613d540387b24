#pragma once
// The World Map window, "World Map": a political map of the world with a
// search list of DXCC entities. Choosing an entry marks its place on the map,
// with the yellow arrow pointing at a spot or the red square around a small
// area, and with the follow toggle down ("Auto") scrolls the map so that the
// marked side is in view. The pan pad and the mouse move the map too.
//
// The window needs neither the home station nor the master list: its list
// and the map positions are its own fixed data. It is created once, shown
// modally, and keeps the map position, the markers, the nudge step and the
// follow toggle between showings.
//
// Every typed key is seen by the window first, also while the search list
// has the focus: "1", "2", "3" set the nudge step to 1, 10, 20 pixels and
// "w", "s", "a", "d" move the invisible anchor up, down, left, right by it;
// after any key the arrow is attached to the anchor again.

#include "ui/worldmap/map_geometry.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QToolButton;

namespace qvk::ui {

class MapPanel;
class Platform;
class RoundedSquare;
class SearchComboBox;
class TPieArrow;

class TWorldMap : public QDialog {
    Q_OBJECT
public:
    explicit TWorldMap(Platform& platform, QWidget* parent = nullptr);

    // Marks what a coordinate tail of the list names ("#a577#b162",
    // "#c865#d225") as committing its entry does, the follow toggle's
    // scrolling included; a tail without "#" hides the arrow.
    void markTail(const QString& tail);

    int nudgeStep() const { return nudgeStep_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildMap();
    void watchKeys();

    void FormActivate();
    void ComboBox1Exit();
    void relocatePointerBeforeTyping();
    void windowKey(const QString& typed);
    void attachArrow();
    void pan(MapEdge edge);

    // The toolbar and the viewport reach past the window's right edge by
    // these, at any width, so that they end out of sight.
    static constexpr int kToolbarOverhang = 2;
    static constexpr int kViewportOverhang = 1;

    Platform& platform_;

    QFrame* toolbar_ = nullptr;       // Panel8
    QFrame* toolbarInner_ = nullptr;  // Panel1, where the close watch parks the focus
    QToolButton* followToggle_ = nullptr;
    SearchComboBox* searchBox_ = nullptr;
    QComboBox* tailList_ = nullptr;  // ComboBox2, never shown: the tails, index for index
    QFrame* viewport_ = nullptr;
    MapPanel* mapPanel_ = nullptr;
    QLabel* picture_ = nullptr;
    TPieArrow* arrow_ = nullptr;
    RoundedSquare* square_ = nullptr;
    QFrame* anchor_ = nullptr;

    int nudgeStep_ = 1;
    bool firstActivation_ = true;
};

}  // namespace qvk::ui

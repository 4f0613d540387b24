#pragma once
// The main window's status bar: the heading panel (390 wide), the distance
// panel (50 wide, centred), and an overlay that shows a heading text too long
// for its panel across the whole bar. A double-click on the bar expands, a
// double-click on the overlay collapses.

#include <QFrame>

class QLabel;

namespace qvk::ui {

class StatusBar : public QFrame {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    void setHeadingText(const QString& text);  // the panel and the overlay alike
    QString headingText() const;
    void setDistanceText(const QString& text);
    QString distanceText() const;

    bool isExpanded() const;
    void collapse();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void expand();

    QLabel* headingPanel_;
    QLabel* distancePanel_;
    QLabel* overlay_;
};

}  // namespace qvk::ui

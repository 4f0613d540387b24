#pragma once
// The About window: the program's version and a short user guide, shown
// modally from the main window's toolbar and closed by "OK".

#include <QDialog>

namespace qvk::ui {

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace qvk::ui

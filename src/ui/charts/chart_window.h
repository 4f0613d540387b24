#pragma once
// A window that shows one picture from a file beside the program, with an
// "OK" button under it: the US Call Map and the US Amateur Bands windows.
//
// Every showing reads the picture file again, at the window's first
// activation after it is shown:
// - a missing file gets the warning "File: '<name>' not found." near the
//   desktop's centre and the window keeps what it showed before; the warning
//   comes once per showing, since the box's closing re-activates the window;
// - a file that is no readable picture goes to the error box, and the window
//   keeps its former picture;
// - otherwise the window takes the picture and moves the pointer to where
//   the OK button stands (on the button itself from the second showing on,
//   the window's place being the same); then it grows to picture + 6 by
//   picture + 51 (outer frame, see window_frame.h), centres on the desktop
//   and puts the OK panel at left = width div 2 - 35, top = height - 50:
//   client coordinates figured from the outer size.

#include "ui/charts/ok_panel.h"

#include <QColor>
#include <QDialog>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;

namespace qvk::ui {

class Platform;

struct ChartDesign {
    QString windowName;
    QString caption;
    QString fileName;  // beside the program
    QSize clientSize;
    QSize pictureSize;       // of the picture area while it holds no picture
    QString builtInPicture;  // resource shown until a file is read, or empty
    QColor background;
    OkPanelDesign okPanel;
};

class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(Platform& platform, const ChartDesign& design, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void showPicture(const QPixmap& picture);

    Platform& platform_;
    const ChartDesign design_;
    QLabel* image_;
    QFrame* okPanel_;
};

}  // namespace qvk::ui

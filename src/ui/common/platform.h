#pragma once
// The platform services the windows use, behind one small interface so that
// tests drive every window with a fake: no modal box ever blocks a test, and a
// test sets the clock.

#include <QDateTime>
#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimeZone>

namespace qvk::ui {

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a secondary window modally and returns when it closes (a fake
    // only shows it and returns at once).
    virtual void runModal(QDialog& window) = 0;

    // A modal warning box with a single "OK" button.
    virtual void showWarning(const QString& text) = 0;
    // A plain message box with "OK".
    virtual void showMessage(const QString& text) = 0;
    // The application's error box, captioned with the application title.
    virtual void showError(const QString& text) = 0;

    virtual QPoint cursorPosition() const = 0;
    virtual void setCursorPosition(QPoint screenPoint) = 0;
    virtual QSize desktopSize() const = 0;

    virtual QDateTime currentUtc() const = 0;
    virtual QDateTime currentLocal() const = 0;
    // The computer's time zone (from the system's tzdata).
    virtual QTimeZone systemTimeZone() const = 0;

    // The folders of the program's files, each with a trailing "/", chosen
    // once at start (see settings/program_folders.h): the settings files
    // the program reads and writes, and the data it only reads. In a build
    // folder both are the program's own folder.
    virtual QString settingsFolder() const = 0;
    virtual QString dataFolder() const = 0;

    // Whether the desktop shows notification-area icons, so that a hidden
    // window can be brought back from one.
    virtual bool trayIconAvailable() const = 0;

    // Asks where to save a file (a file dialog over `parent`); an empty text
    // when the operator cancels.
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                   const QString& filter) = 0;
};

// Moves the pointer 10 pixels right of and 30 below the desktop's centre, then
// shows the warning: the program's way of putting a warning under the hand.
void warnNearCentre(Platform& platform, const QString& text);

}  // namespace qvk::ui

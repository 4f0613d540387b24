#pragma once
// A platform for window tests: boxes are recorded instead of shown, the
// pointer and the clock are plain values the test sets, and the program
// folder is a temporary folder of the test's own.

#include "ui/common/platform.h"

#include <QStringList>
#include <QTemporaryDir>

namespace qvk::ui {

class FakePlatform : public Platform {
public:
    FakePlatform();

    void runModal(QDialog& window) override
    {
        modalWindows << window.objectName();
        window.show();
    }
    void showWarning(const QString& text) override { warnings << text; }
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    QPoint cursorPosition() const override { return cursor; }
    void setCursorPosition(QPoint screenPoint) override { cursor = screenPoint; }
    QSize desktopSize() const override { return desktop; }
    QDateTime currentUtc() const override { return utc; }
    QDateTime currentLocal() const override { return local; }
    QString programFolder() const override { return folder.path() + "/"; }
    bool trayIconAvailable() const override { return trayAvailable; }
    QString chooseSaveFile(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        saveCaptions << caption;
        return saveAnswer;
    }

    // Writes a file into the program folder, bytes as given.
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool fileExists(const QString& name) const;

    QStringList modalWindows;  // object names of the windows shown modally
    QStringList warnings;
    QStringList messages;
    QStringList errors;
    QPoint cursor{0, 0};
    QSize desktop{1024, 768};
    QDateTime utc;
    QDateTime local;
    bool trayAvailable = true;
    QStringList saveCaptions;  // the captions of the save dialogs asked
    QString saveAnswer;        // what a save dialog answers (empty: cancelled)
    QTemporaryDir folder;
};

}  // namespace qvk::ui

#pragma once
// A platform for window tests: boxes are recorded instead of shown, the
// pointer and the clock are plain values the test sets, and the program's
// files lie in a temporary folder of the test's own, settings and data
// together as in a build folder, or apart as in an installed program.

#include "ui/common/platform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <optional>

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
    QTimeZone systemTimeZone() const override { return timeZone; }
    QString settingsFolder() const override { return apartSettings ? apartSettings->path() + "/" : dataFolder(); }
    QString dataFolder() const override { return folder.path() + "/"; }
    bool trayIconAvailable() const override { return trayAvailable; }
    QString chooseSaveFile(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        saveCaptions << caption;
        return saveAnswer;
    }

    // Settings from now on in a folder apart from the data.
    void keepSettingsApart() { apartSettings.emplace(); }

    // Writes a file into the data folder (the settings folder too, unless
    // kept apart), bytes as given.
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool fileExists(const QString& name) const;
    void writeSettingsFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readSettingsFile(const QString& name) const;

    QStringList modalWindows;  // object names of the windows shown modally
    QStringList warnings;
    QStringList messages;
    QStringList errors;
    QPoint cursor{0, 0};
    QSize desktop{1024, 768};
    QDateTime utc;
    QDateTime local;
    QTimeZone timeZone = QTimeZone::utc();
    bool trayAvailable = true;
    QStringList saveCaptions;  // the captions of the save dialogs asked
    QString saveAnswer;        // what a save dialog answers (empty: cancelled)
    QTemporaryDir folder;
    std::optional<QTemporaryDir> apartSettings;
};

}  // namespace qvk::ui

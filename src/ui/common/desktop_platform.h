#pragma once
// The platform services of the real desktop.

#include "settings/program_folders.h"
#include "ui/common/platform.h"

namespace qvk::ui {

class DesktopPlatform : public Platform {
public:
    // Chooses the program's folders from where the running executable lies;
    // needs the application object.
    DesktopPlatform();

    void runModal(QDialog& window) override;
    void showWarning(const QString& text) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    QPoint cursorPosition() const override;
    void setCursorPosition(QPoint screenPoint) override;
    QSize desktopSize() const override;
    QDateTime currentUtc() const override;
    QDateTime currentLocal() const override;
    QTimeZone systemTimeZone() const override;
    QString settingsFolder() const override;
    QString dataFolder() const override;
    bool trayIconAvailable() const override;
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                           const QString& filter) override;

    // Why the settings cannot be saved, or empty when they can.
    QString settingsProblem() const;

private:
    ProgramFolders folders_;
};

}  // namespace qvk::ui

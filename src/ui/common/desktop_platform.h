#pragma once
// The platform services of the real desktop.

#include "ui/common/platform.h"

namespace qvk::ui {

class DesktopPlatform : public Platform {
public:
    void runModal(QDialog& window) override;
    void showWarning(const QString& text) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    QPoint cursorPosition() const override;
    void setCursorPosition(QPoint screenPoint) override;
    QSize desktopSize() const override;
    QDateTime currentUtc() const override;
    QDateTime currentLocal() const override;
    QString programFolder() const override;
    bool trayIconAvailable() const override;
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                           const QString& filter) override;
};

}  // namespace qvk::ui

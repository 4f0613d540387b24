#include "ui/common/desktop_platform.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>

namespace qvk::ui {

void DesktopPlatform::runModal(QDialog& window) { window.exec(); }

void DesktopPlatform::showWarning(const QString& text)
{
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Warning"), text);
}

void DesktopPlatform::showMessage(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

void DesktopPlatform::showError(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

QPoint DesktopPlatform::cursorPosition() const { return QCursor::pos(); }

void DesktopPlatform::setCursorPosition(QPoint screenPoint) { QCursor::setPos(screenPoint); }

QSize DesktopPlatform::desktopSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QDateTime DesktopPlatform::currentUtc() const { return QDateTime::currentDateTimeUtc(); }

QDateTime DesktopPlatform::currentLocal() const { return QDateTime::currentDateTime(); }

QString DesktopPlatform::programFolder() const { return QCoreApplication::applicationDirPath() + "/"; }

bool DesktopPlatform::trayIconAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

QString DesktopPlatform::chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                        const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

}  // namespace qvk::ui

#include "ui/common/desktop_platform.h"

#include "ui/common/screen_text.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>

namespace qvk::ui {
namespace {

QString folderText(const std::filesystem::path& folder) { return fromFileSystemPath(folder) + "/"; }

}  // namespace

DesktopPlatform::DesktopPlatform()
    : folders_(chooseProgramFolders(folderFactsOfSystem(toFileSystemPath(QCoreApplication::applicationDirPath()))))
{
}

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

QTimeZone DesktopPlatform::systemTimeZone() const { return QTimeZone::systemTimeZone(); }

QString DesktopPlatform::settingsFolder() const { return folderText(folders_.settings); }

QString DesktopPlatform::dataFolder() const { return folderText(folders_.data); }

QString DesktopPlatform::settingsProblem() const { return fromSystemText(folders_.problem); }

bool DesktopPlatform::trayIconAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

QString DesktopPlatform::chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                        const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

}  // namespace qvk::ui

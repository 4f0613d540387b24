#include "fake_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qvk::ui {

FakePlatform::FakePlatform() : utc(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC), local(QDate(2026, 12, 7), QTime(6, 0)) {}

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}  // namespace

void FakePlatform::writeFile(const QString& name, const QByteArray& bytes) const
{
    writeBytes(dataFolder() + name, bytes);
}

QByteArray FakePlatform::readFile(const QString& name) const { return readBytes(dataFolder() + name); }

void FakePlatform::writeSettingsFile(const QString& name, const QByteArray& bytes) const
{
    writeBytes(settingsFolder() + name, bytes);
}

QByteArray FakePlatform::readSettingsFile(const QString& name) const { return readBytes(settingsFolder() + name); }

bool FakePlatform::fileExists(const QString& name) const { return QFileInfo::exists(dataFolder() + name); }

}  // namespace qvk::ui

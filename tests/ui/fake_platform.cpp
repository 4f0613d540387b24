#include "fake_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qvk::ui {

FakePlatform::FakePlatform() : utc(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC), local(QDate(2026, 12, 7), QTime(6, 0)) {}

void FakePlatform::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = programFolder() + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QByteArray FakePlatform::readFile(const QString& name) const
{
    QFile file(programFolder() + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool FakePlatform::fileExists(const QString& name) const { return QFileInfo::exists(programFolder() + name); }

}  // namespace qvk::ui

#include "ui/charts/picture_file.h"

#include "core/messages.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace qvk::ui {

PictureRead readPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, QString::fromStdString(cannotOpenFileMessage(path.toStdString()))};

    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, QStringLiteral("Cannot read the picture in %1: %2.").arg(path, reader.errorString())};
    return {QPixmap::fromImage(image), {}};
}

}  // namespace qvk::ui

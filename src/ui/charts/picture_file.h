#pragma once
// Reads a picture file for a chart window. The pictures are GIF files; any
// format Qt decodes is taken, recognised by its content.

#include <QPixmap>
#include <QString>

namespace qvk::ui {

struct PictureRead {
    QPixmap picture;  // null when the file could not be read
    QString error;    // the error box's text, when it could not
};

PictureRead readPicture(const QString& path);

}  // namespace qvk::ui

#pragma once
// GIF pictures for the chart window tests, of any size, written on the spot:
// Qt reads GIF but does not write it.

#include <QByteArray>
#include <QColor>
#include <QSize>

namespace qvk::ui {

// A GIF89a of one colour.
QByteArray plainGif(QSize size, QColor colour);

}  // namespace qvk::ui

#pragma once
// Readable points and rectangles in GoogleTest's failure messages. Internal
// to each test file, so that other folders' printers of the same types never
// meet these.

#include <QPoint>
#include <QRect>

#include <ostream>

static inline void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}

static inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << " x " << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

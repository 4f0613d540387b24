#include "ui/worldmap/pan_pad.h"

#include "ui/common/flat_button.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QToolButton>

namespace qvk::ui {
namespace {

constexpr int kColumnWidth = 13;
constexpr std::array<int, 3> kRowTop = {0, 13, 25};
constexpr std::array<int, 3> kRowHeight = {13, 12, 12};
constexpr int kIconSide = 9;

// The triangle's corners in a 9 x 9 box: the tip at the edge or corner the
// button shows, the base across from it.
QPolygonF triangle(MapEdge edge)
{
    switch (edge) {
    case MapEdge::TopLeft:
        return QPolygonF({{1, 1}, {8, 1}, {1, 8}});
    case MapEdge::Top:
        return QPolygonF({{4.5, 1}, {8.5, 7}, {0.5, 7}});
    case MapEdge::TopRight:
        return QPolygonF({{8, 1}, {8, 8}, {1, 1}});
    case MapEdge::Left:
        return QPolygonF({{1, 4.5}, {7, 0.5}, {7, 8.5}});
    case MapEdge::Right:
        return QPolygonF({{8, 4.5}, {2, 8.5}, {2, 0.5}});
    case MapEdge::BottomLeft:
        return QPolygonF({{1, 8}, {1, 1}, {8, 8}});
    case MapEdge::Bottom:
        return QPolygonF({{4.5, 8}, {0.5, 2}, {8.5, 2}});
    case MapEdge::BottomRight:
        return QPolygonF({{8, 8}, {1, 8}, {8, 1}});
    case MapEdge::Centre:
        break;
    }
    return {};
}

}  // namespace

const std::array<PanPadButton, 9>& panPadButtons()
{
    static const std::array<PanPadButton, 9> buttons = {{
        {"SpeedButton3", MapEdge::Right, 2, 1},
        {"SpeedButton4", MapEdge::Left, 0, 1},
        {"SpeedButton5", MapEdge::Top, 1, 0},
        {"SpeedButton6", MapEdge::Bottom, 1, 2},
        {"SpeedButton7", MapEdge::Centre, 1, 1},
        {"SpeedButton8", MapEdge::TopLeft, 0, 0},
        {"SpeedButton9", MapEdge::TopRight, 2, 0},
        {"SpeedButton10", MapEdge::BottomRight, 2, 2},
        {"SpeedButton11", MapEdge::BottomLeft, 0, 2},
    }};
    return buttons;
}

QToolButton* makePanPadButton(QWidget* parent, const PanPadButton& button, QPoint origin)
{
    const auto row = static_cast<std::size_t>(button.row);
    const QRect place(origin.x() + kColumnWidth * button.column, origin.y() + kRowTop[row], kColumnWidth,
                      kRowHeight[row]);
    QToolButton* pad = makeFlatButton(parent, button.name, QString(), place);
    pad->setIcon(panPadIcon(button.edge));
    pad->setIconSize(QSize(kIconSide, kIconSide));
    pad->setToolTip("Drag map with mouse also.");
    return pad;
}

QIcon panPadIcon(MapEdge edge)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap picture(kIconSide * scale, kIconSide * scale);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        if (edge == MapEdge::Centre) {
            painter.setBrush(kMaroon);
            painter.drawRect(QRectF(2, 2, 5, 5));
        } else {
            painter.setBrush(kNavy);
            painter.drawPolygon(triangle(edge));
        }
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace qvk::ui

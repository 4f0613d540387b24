#pragma once
// A World Map window shown as the main window shows it, on a fake platform
// whose desktop leaves the window its designed 1016-pixel client width (a
// 1017 x 552 viewport, so the map scrolls 116 pixels across and 4 down)
// whatever frame the window system draws.

#include "fake_platform.h"
#include "list_driving.h"
#include "named_child.h"
#include "point_printer.h"
#include "qstring_printer.h"
#include "ui/common/pie_arrow.h"
#include "ui/common/search_combo_box.h"
#include "ui/common/window_frame.h"
#include "ui/worldmap/world_map.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace qvk::ui {

class WorldMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.desktop = QSize(1016 + frameWidth(), 768);
        platform.cursor = QPoint(100, 700);  // well away from the list
        window = std::make_unique<TWorldMap>(platform);
    }

    void open()
    {
        platform.runModal(*window);
        reactivate();
    }

    template <typename T = QWidget> T& find(const char* name) const { return child<T>(*window, name); }
    SearchComboBox& box() const { return find<SearchComboBox>("ComboBox1"); }
    TPieArrow& arrow() const { return find<TPieArrow>("PieArrow1"); }
    QWidget& square() const { return find("Shape1"); }
    QWidget& anchor() const { return find("Panel4"); }
    QWidget& map() const { return find("Panel3"); }
    QPoint mapPosition() const { return map().pos(); }
    // The caption of the search list, which has no name of its own.
    QLabel& searchListLabel() const
    {
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == "DXCC Search List:") return *label;
        throw std::runtime_error("no label \"DXCC Search List:\"");
    }
    void click(const char* buttonName) { QTest::mouseClick(&find<QToolButton>(buttonName), Qt::LeftButton); }

    // Keys go where the operator's keyboard sends them: into the open list,
    // or the closed box.
    void type(const QString& keys)
    {
        for (const QChar key : keys) {
            QWidget* target = box().isListOpen() ? static_cast<QWidget*>(box().view()) : &box();
            QTest::keyClick(target, key.toLatin1());
        }
    }
    // Types the beginning of an entry, takes the highlighted entry and lets
    // the list close, which commits it.
    void choose(const QString& typed)
    {
        type(typed);
        QTest::keyClick(box().view(), Qt::Key_Return);
        letListClose();
    }
    void letListClose() { qvk::ui::letListClose(box(), *window); }
    void reactivate() { qvk::ui::reactivate(*window); }

    // The left and right borders of a window framed as the World Map is.
    static int frameWidth()
    {
        static const int width = [] {
            QDialog probe(nullptr,
                          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
            probe.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&probe));
            const QMargins frame = outerFrameMargins(probe);
            return frame.left() + frame.right();
        }();
        return width;
    }

    FakePlatform platform;
    std::unique_ptr<TWorldMap> window;
};

}  // namespace qvk::ui

#pragma once
// Driving a SearchComboBox as an operator does, for the window tests.

#include "ui/common/search_combo_box.h"

#include <QAbstractItemView>
#include <QTest>

#include <gtest/gtest.h>

namespace qvk::ui {

// The off-screen platform hands the activation to a popup after it has
// closed; a desktop gives it back to the window at once.
inline void reactivate(QWidget& window)
{
    QCoreApplication::processEvents();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The list closes and the close watch moves the focus away, which commits;
// the watch stops as it does so. The limit is for a loaded machine: the
// watch looks every 100 ms.
inline void letListClose(SearchComboBox& list, QWidget& window)
{
    if (list.isListOpen()) list.hidePopup();
    reactivate(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.closeWatch().isActive(); }, 5000))
        << "the close watch never saw the list closed";
}

}  // namespace qvk::ui

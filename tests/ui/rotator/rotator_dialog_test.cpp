// The "Rotator" window: what it shows and what its buttons hand over.

#include "named_child.h"
#include "qstring_printer.h"
#include "ui/rotator/rotator_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

using qvk::rotator::RotatorSettings;

class RotatorDialogTest : public ::testing::Test {
protected:
    RotatorDialogTest()
    {
        QObject::connect(&dialog, &RotatorDialog::saved, [this](const RotatorSettings& s) { saved.push_back(s); });
        dialog.show();
    }
    template <typename T> T& find(const char* name) const { return child<T>(dialog, name); }
    void click(const char* name) { QTest::mouseClick(&find<QPushButton>(name), Qt::LeftButton); }

    RotatorDialog dialog;
    std::vector<RotatorSettings> saved;
};

TEST_F(RotatorDialogTest, OffersRotctldsUsualPlaceThenShowsTheSettingsItIsGiven)
{
    EXPECT_EQ(dialog.objectName(), "Rotator");
    EXPECT_EQ(dialog.windowTitle(), "Rotator");
    const auto expectShown = [this](bool enabled, const QString& host, int port, bool poll) {
        EXPECT_EQ(find<QCheckBox>("RotatorEnabled").isChecked(), enabled);
        EXPECT_EQ(find<QLineEdit>("RotatorHost").text(), host);
        EXPECT_EQ(find<QSpinBox>("RotatorPort").value(), port);
        EXPECT_EQ(find<QCheckBox>("RotatorPoll").isChecked(), poll);
    };
    expectShown(true, "127.0.0.1", 4533, true);
    dialog.setSettings({false, "shack.local", 4535, false});
    expectShown(false, "shack.local", 4535, false);
    EXPECT_FALSE(find<QLineEdit>("RotatorHost").isEnabled());  // nothing to set for a rotator not in use
}

TEST_F(RotatorDialogTest, OkHandsOverWhatWasTypedAndCloses)
{
    QLineEdit* host = &find<QLineEdit>("RotatorHost");
    host->selectAll();
    QTest::keyClicks(host, " 10.0.0.7 ");
    QSpinBox* port = &find<QSpinBox>("RotatorPort");
    port->selectAll();
    QTest::keyClicks(port, "4535");
    QTest::mouseClick(&find<QCheckBox>("RotatorPoll"), Qt::LeftButton);
    click("RotatorOk");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0], (RotatorSettings{true, "10.0.0.7", 4535, false}));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RotatorDialogTest, CancelHandsOverNothing)
{
    find<QLineEdit>("RotatorHost").setText("10.0.0.7");
    click("RotatorCancel");
    EXPECT_TRUE(saved.empty());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RotatorDialogTest, ARotatorInUseNeedsAHost)
{
    find<QLineEdit>("RotatorHost").clear();
    EXPECT_FALSE(find<QPushButton>("RotatorOk").isEnabled());
    QTest::mouseClick(&find<QCheckBox>("RotatorEnabled"), Qt::LeftButton);  // set aside: no host needed
    EXPECT_TRUE(find<QPushButton>("RotatorOk").isEnabled());
}

}  // namespace
}  // namespace qvk::ui

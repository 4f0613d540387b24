// One copy of the program per settings folder: a second start brings the
// running copy to the front and ends, and a lock left by a killed copy does
// not stand in the way of the next start.

#include "app/qvk/single_instance.h"
#include "support/scratch_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace qvk {
namespace {

using Start = SingleInstance::Start;
constexpr int kPatience = 10000;

// A copy in a process of its own, which a test can kill like an operator's kill -9.
class OtherCopy {
public:
    explicit OtherCopy(const QString& folder)
    {
        process_.start(QVK_HOLDER_PATH, {folder});
        firstLine_ = nextLine();
    }
    ~OtherCopy()
    {
        process_.kill();
        process_.waitForFinished();
    }
    // "running", or "second" when it found another copy and ended
    QString firstLine() const { return firstLine_; }
    bool isRunning() const { return firstLine_ == "running"; }
    QString nextLine()
    {
        if (!process_.canReadLine() &&
            !QTest::qWaitFor([this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; },
                             kPatience))
            return "(nothing)";
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    void killHard()
    {
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished();
    }

private:
    QProcess process_;
    QString firstLine_;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    ScratchFolder settings{"qvk-single-instance-test"};
    QString folder = QString::fromStdString(settings.path.string());
};

TEST_F(SingleInstanceTest, ASecondStartBringsTheRunningCopyToTheFrontAndEnds)
{
    int broughtToFront = 0;
    SingleInstance running(folder, [&] { ++broughtToFront; });
    ASSERT_EQ(running.claim(), Start::First);

    bool secondAsked = false;
    SingleInstance second(folder, [&] { secondAsked = true; });
    EXPECT_EQ(second.claim(), Start::AlreadyRunning);
    EXPECT_TRUE(QTest::qWaitFor([&] { return broughtToFront == 1; }, kPatience));
    EXPECT_FALSE(secondAsked);
}

TEST_F(SingleInstanceTest, ACopyInAnotherProcessIsFoundAndBroughtToTheFront)
{
    OtherCopy other(folder);
    ASSERT_TRUE(other.isRunning());
    SingleInstance second(folder, {});
    EXPECT_EQ(second.claim(), Start::AlreadyRunning);
    EXPECT_EQ(other.nextLine(), "front");
}

TEST_F(SingleInstanceTest, ALockLeftByAKilledCopyDoesNotBlockTheNextStart)
{
    {
        OtherCopy killed(folder);
        ASSERT_TRUE(killed.isRunning());
        killed.killHard();
    }
    ASSERT_TRUE(QDir(folder).exists("qvk.lock"));  // left behind, with its socket

    int broughtToFront = 0;
    SingleInstance next(folder, [&] { ++broughtToFront; });
    ASSERT_EQ(next.claim(), Start::First);
    // and it answers in its turn
    OtherCopy later(folder);
    EXPECT_EQ(later.firstLine(), "second");
    EXPECT_TRUE(QTest::qWaitFor([&] { return broughtToFront == 1; }, kPatience));
}

TEST_F(SingleInstanceTest, CopiesOnDifferentSettingsFoldersDoNotMeet)
{
    const ScratchFolder otherSettings("qvk-single-instance-other");
    SingleInstance first(folder, {});
    SingleInstance second(QString::fromStdString(otherSettings.path.string()), {});
    EXPECT_EQ(first.claim(), Start::First);
    EXPECT_EQ(second.claim(), Start::First);
    EXPECT_NE(SingleInstance::serverName(folder),
              SingleInstance::serverName(QString::fromStdString(otherSettings.path.string())));
    // the same folder however it is written
    EXPECT_EQ(SingleInstance::serverName(folder), SingleInstance::serverName(folder + "/./"));
}

TEST_F(SingleInstanceTest, OnceTheRunningCopyHasEndedTheNextStartRuns)
{
    {
        SingleInstance ended(folder, {});
        ASSERT_EQ(ended.claim(), Start::First);
    }
    SingleInstance next(folder, {});
    EXPECT_EQ(next.claim(), Start::First);
}

}  // namespace
}  // namespace qvk

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

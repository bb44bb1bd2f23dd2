#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "FakeMessageBoxes.h"
#include "FakeTimers.h"
#include "platform/QtDesktop.h"
#include "presentation/FrmLong.h"
#include "presentation/Splash.h"

namespace daz {
namespace {

using testing::FakeInstanceLock;
using testing::FakeMessageBoxes;
using testing::FakeTimerFactory;

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SplashTest : public ::testing::Test {
protected:
    FakeInstanceLock lock;
    FakeMessageBoxes boxes;
    FakeTimerFactory timers;
};

TEST_F(SplashTest, SecondCopyIsWarnedAndStartsNothing)
{
    lock.free = false;
    Splash splash(lock, boxes, timers);
    int finished = 0;
    splash.finished = [&] { ++finished; };

    EXPECT_FALSE(splash.Load());

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("程序已经运行，不能再次装载！"));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(timers[Splash::kTimerName].IsActive());
    timers.Fire(Splash::kTimerName, 30);
    EXPECT_EQ(finished, 0);
}

TEST_F(SplashTest, BarFillsInTwentyTicksOfATenthOfASecond)
{
    Splash splash(lock, boxes, timers);
    int finished = 0;
    splash.finished = [&] { ++finished; };

    ASSERT_TRUE(splash.Load());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(timers[Splash::kTimerName].IntervalMs(), 100);
    EXPECT_EQ(splash.BarWidth(), 75);

    timers.Fire(Splash::kTimerName, 19);
    EXPECT_EQ(splash.BarWidth(), 3875);
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(splash.Loading());

    timers.Fire(Splash::kTimerName);
    EXPECT_EQ(splash.BarWidth(), 4075);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(splash.Loading());

    // The timer is stopped: nothing more happens.
    timers.Fire(Splash::kTimerName, 5);
    EXPECT_EQ(splash.BarWidth(), 4075);
    EXPECT_EQ(finished, 1);
}

TEST_F(SplashTest, RefusedWindowIsNeverShown)
{
    lock.free = false;
    auto* window = new FrmLong(lock, boxes, timers);
    bool chooserOpened = false;
    window->onFinished = [&] { chooserOpened = true; };

    EXPECT_FALSE(window->Load());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(chooserOpened);
    delete window;
}

TEST_F(SplashTest, WindowClosesOnTheTwentiethTickThenTheChooserOpens)
{
    QPointer<FrmLong> window = new FrmLong(lock, boxes, timers);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("霁岚连连看2006.10.4"));
    EXPECT_EQ(window->size(), QSize(461, 160));
    bool closedFirst = false;
    int opened = 0;
    window->onFinished = [&] {
        closedFirst = !window->isVisible();
        ++opened;
    };

    ASSERT_TRUE(window->Load());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Bar()->geometry(), QRect(152, 136, 5, 12));

    timers.Fire(Splash::kTimerName, 10);
    EXPECT_EQ(window->Bar()->width(), 138); // 2075 twips

    timers.Fire(Splash::kTimerName, 9);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(opened, 0);

    timers.Fire(Splash::kTimerName);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(closedFirst);
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

TEST_F(SplashTest, WhiteIsSeeThroughAndTheFigureIsNot)
{
    auto* window = new FrmLong(lock, boxes, timers);
    ASSERT_TRUE(window->Load());
    const QRegion mask = window->mask();

    EXPECT_FALSE(mask.contains(QPoint(2, 155)));   // below the picture, beside the words
    EXPECT_FALSE(mask.contains(QPoint(460, 80)));  // the column right of the picture
    EXPECT_TRUE(mask.contains(QPoint(230, 53)));   // the middle of the picture
    EXPECT_TRUE(mask.contains(QPoint(154, 141)));  // the bar
    EXPECT_FALSE(mask.contains(QPoint(300, 141))); // where the bar has not reached yet

    // The bar's growth shows through the cut-out.
    timers.Fire(Splash::kTimerName, 15);
    EXPECT_TRUE(window->mask().contains(QPoint(300, 141)));

    window->close();
    DeleteClosedWindows();
}

// The real lock, on a file of its own.
TEST(InstanceLockTest, OnlyOneCopyHoldsTheLockAtATime)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DAZGame.lock"));

    auto first = std::make_unique<platform::QtInstanceLock>(path);
    EXPECT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire()) << "asking again keeps the lock";

    platform::QtInstanceLock second(path);
    EXPECT_FALSE(second.TryAcquire());

    first.reset();
    platform::QtInstanceLock third(path);
    EXPECT_TRUE(third.TryAcquire());
}

TEST(InstanceLockTest, LockLeftByAKilledCopyIsTakenOver)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DAZGame.lock"));

    // A process that has ended: its number names no running program.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(0);
    }
    ASSERT_EQ(waitpid(child, nullptr, 0), child);

    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QStringLiteral("%1\n%2\n%3\n")
                    .arg(child)
                    .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
                    .toUtf8());
    stale.close();

    platform::QtInstanceLock lock(path);
    EXPECT_TRUE(lock.TryAcquire());
    platform::QtInstanceLock another(path);
    EXPECT_FALSE(another.TryAcquire());
}

} // namespace
} // namespace daz

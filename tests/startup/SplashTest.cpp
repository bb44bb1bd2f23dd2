#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "FakeMessageBoxes.h"
#include "FakeTimers.h"
#include "FileBytes.h"
#include "SeeThrough.h"
#include "platform/QtDesktop.h"
#include "presentation/Splash.h"
#include "presentation/SplashWindow.h"

namespace daz {
namespace {

using testing::FakeInstanceLock;
using testing::FakeMessageBoxes;
using testing::FakeTimerFactory;
using testing::ShowsNothingAt;
using testing::WriteBytes;
using Outcome = platform::LockResult::Outcome;

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

TEST_F(SplashTest, ASecondCopyIsWarnedAndShowsNothing)
{
    lock.result.outcome = Outcome::Running;
    auto window = std::make_unique<SplashWindow>(lock, boxes, timers);
    int opened = 0;
    window->onFinished = [&] { ++opened; };

    EXPECT_FALSE(window->Load());

    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("程序已经运行，不能再次装载！"));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(timers[Splash::kTimerName].IsActive());
    timers.Fire(Splash::kTimerName, 30);
    EXPECT_EQ(opened, 0);

    // A lock that cannot be taken is no running copy: the splash goes on,
    // and keeps what it got for the game to tell.
    boxes.shown.clear();
    lock.result = {Outcome::Unavailable, QStringLiteral("/full/jilan-llk.lock"), ENOSPC};
    auto next = std::make_unique<SplashWindow>(lock, boxes, timers);
    EXPECT_TRUE(next->Load());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(next->Model().Lock().outcome, Outcome::Unavailable);
    EXPECT_EQ(next->Model().Lock().error, ENOSPC);
}

// The bar grows 200 twips every tenth of a second; on the twentieth tick
// the window closes and then the mode chooser opens, once.
TEST_F(SplashTest, TheBarFillsInTwentyTicksThenTheChooserOpens)
{
    QPointer<SplashWindow> window = new SplashWindow(lock, boxes, timers);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("霁岚连连看2006.10.4"));
    EXPECT_EQ(window->size(), QSize(461, 160));
    bool closedFirst = false;
    int opened = 0;
    window->onFinished = [&] {
        closedFirst = !window->isVisible();
        ++opened;
    };
    const Splash& splash = window->Model();

    ASSERT_TRUE(window->Load());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(timers[Splash::kTimerName].IntervalMs(), 100);
    EXPECT_EQ(splash.BarWidth(), 75);
    EXPECT_EQ(window->Bar()->geometry(), QRect(152, 136, 5, 12));

    timers.Fire(Splash::kTimerName, 10);
    EXPECT_EQ(window->Bar()->width(), 138); // 2075 twips

    timers.Fire(Splash::kTimerName, 9);
    EXPECT_EQ(splash.BarWidth(), 3875);
    EXPECT_TRUE(splash.Loading());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(opened, 0);

    timers.Fire(Splash::kTimerName);
    EXPECT_EQ(splash.BarWidth(), 4075);
    EXPECT_FALSE(splash.Loading());
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(closedFirst);

    // The timer is stopped: nothing more happens.
    timers.Fire(Splash::kTimerName, 5);
    EXPECT_EQ(splash.BarWidth(), 4075);
    EXPECT_EQ(opened, 1);
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

TEST_F(SplashTest, WhiteIsSeeThroughAndTheFigureIsNot)
{
    auto* window = new SplashWindow(lock, boxes, timers);
    ASSERT_TRUE(window->Load());
    EXPECT_TRUE(ShowsNothingAt(*window, QPoint(2, 155)));    // below the picture, beside the words
    EXPECT_TRUE(ShowsNothingAt(*window, QPoint(460, 80)));   // the column right of the picture
    EXPECT_FALSE(ShowsNothingAt(*window, QPoint(230, 53)));  // the middle of the picture
    EXPECT_FALSE(ShowsNothingAt(*window, QPoint(154, 141))); // the bar
    EXPECT_TRUE(ShowsNothingAt(*window, QPoint(300, 141)));  // where the bar has not reached yet

    // The bar's growth shows through the cut-out.
    timers.Fire(Splash::kTimerName, 15);
    EXPECT_FALSE(ShowsNothingAt(*window, QPoint(300, 141)));

    window->close();
    DeleteClosedWindows();
}

// The lock a killed copy leaves: it names a process that has ended.
QByteArray DeadOwnersLock()
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    EXPECT_EQ(waitpid(child, nullptr, 0), child);
    return QStringLiteral("%1\n%2\n%3\n")
        .arg(child)
        .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
        .toUtf8();
}

// The real lock, beside the player's files: a copy started with another
// temporary folder still finds it.
TEST(InstanceLockTest, OnlyOneCopyHoldsTheLockAtATime)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = platform::QtInstanceLock::PathFor(folder.path());
    EXPECT_EQ(QFileInfo(path).absolutePath(), folder.path());
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", folder.filePath(QStringLiteral("elsewhere")).toUtf8());
    EXPECT_EQ(platform::QtInstanceLock::PathFor(folder.path()), path);
    tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);

    auto first = std::make_unique<platform::QtInstanceLock>(path);
    EXPECT_EQ(first->TryAcquire().outcome, Outcome::Acquired);
    EXPECT_EQ(first->TryAcquire().outcome, Outcome::Acquired) << "asking again keeps the lock";

    platform::QtInstanceLock second(path);
    EXPECT_EQ(second.TryAcquire().outcome, Outcome::Running);

    first.reset();
    platform::QtInstanceLock third(path);
    EXPECT_EQ(third.TryAcquire().outcome, Outcome::Acquired);
}

// Whatever a killed copy leaves behind, and whatever else stands in the
// lock's place, names no running copy: the next start takes it over.
TEST(InstanceLockTest, ALockThatNamesNoRunningCopyIsTakenOver)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DAZGame.lock"));
    const QByteArray native = QFile::encodeName(path);

    const QByteArray deadOwner = DeadOwnersLock();

    const std::vector<std::pair<const char*, std::function<void()>>> leftovers = {
        {"a dead owner", [&] { WriteBytes(path, deadOwner); }},
        {"an empty lock", [&] { WriteBytes(path, ""); }},
        {"a garbled lock", [&] { WriteBytes(path, "\x01\xff garbage\n"); }},
        {"a lock nobody may read",
         [&] {
             WriteBytes(path, deadOwner);
             QFile::setPermissions(path, {});
         }},
        {"a pipe", [&] { ASSERT_EQ(mkfifo(native.constData(), 0600), 0); }},
        {"a link to nowhere", [&] { ASSERT_EQ(symlink("gone", native.constData()), 0); }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(path)); }},
        // May hold someone's files: renamed aside, each under a name of its own.
        {"a folder with files", [&] { WriteBytes(path + QStringLiteral("/notes.txt"), "mine"); }},
        {"another folder with files", [&] { WriteBytes(path + QStringLiteral("/notes.txt"), "mine"); }},
    };
    for (const auto& [what, leave] : leftovers) {
        SCOPED_TRACE(what);
        QFile::remove(path);
        QDir().rmdir(path);
        leave();
        {
            platform::QtInstanceLock lock(path);
            EXPECT_EQ(lock.TryAcquire().outcome, Outcome::Acquired);
            platform::QtInstanceLock another(path);
            EXPECT_EQ(another.TryAcquire().outcome, Outcome::Running);
        }
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    const QDir beside(folder.path());
    const QStringList aside = beside.entryList({QStringLiteral("DAZGame.lock.foreign-*")}, QDir::Dirs);
    ASSERT_EQ(aside.size(), 2);
    for (const QString& name : aside) {
        EXPECT_EQ(testing::ReadBytes(beside.filePath(name + QStringLiteral("/notes.txt"))), "mine")
            << name.toStdString();
    }
}

// With the disk full, a lock file cannot be written and is gone at once:
// that is no running copy. A running copy's lock still is one.
TEST(InstanceLockTest, ALockThatCannotBeWrittenIsNoRunningCopy)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DAZGame.lock"));

    // Every write to a file fails as it would on a full disk.
    const auto withFullDisk = [](platform::InstanceLock& lock) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{0, limit.rlim_max};
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        const platform::LockResult result = lock.TryAcquire();
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, signal);
        return result;
    };

    const std::vector<std::pair<const char*, QByteArray>> before = {
        {"no lock", {}},
        {"a dead owner's lock", DeadOwnersLock()},
    };
    for (const auto& [what, lockBytes] : before) {
        SCOPED_TRACE(what);
        if (!lockBytes.isNull()) {
            WriteBytes(path, lockBytes);
        }
        platform::QtInstanceLock lock(path);
        const platform::LockResult result = withFullDisk(lock);
        EXPECT_EQ(result.outcome, Outcome::Unavailable);
        EXPECT_EQ(result.path, path);
        EXPECT_EQ(result.error, EFBIG);
        const QStringList left =
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_EQ(left, lockBytes.isNull() ? QStringList() : QStringList{QStringLiteral("DAZGame.lock")});
    }

    platform::QtInstanceLock running(path);
    ASSERT_EQ(running.TryAcquire().outcome, Outcome::Acquired);
    platform::QtInstanceLock second(path);
    EXPECT_EQ(withFullDisk(second).outcome, Outcome::Running);
}

// A starting copy creates its lock file empty, takes the file's system lock
// and then writes its number: a lock in either moment stays its own.
TEST(InstanceLockTest, ALockBeingWrittenIsLeftToItsCopy)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("DAZGame.lock"));

    const int held = open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(platform::QtInstanceLock(path).TryAcquire().outcome, Outcome::Running);
    close(held);
    ASSERT_TRUE(QFile::remove(path));

    // Created, but its number arrives only while the next copy waits.
    WriteBytes(path, "");
    platform::QtInstanceLock next(path);
    int waits = 0;
    next.SetSettleWait([&] {
        ++waits;
        WriteBytes(path,
                   QStringLiteral("%1\n%2\n%3\n")
                       .arg(QCoreApplication::applicationPid())
                       .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), QSysInfo::machineHostName())
                       .toUtf8());
    });
    EXPECT_EQ(next.TryAcquire().outcome, Outcome::Running);
    EXPECT_EQ(waits, 1);
}

} // namespace
} // namespace daz

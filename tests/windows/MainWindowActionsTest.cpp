#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>

#include "MainWindowFixture.h"
#include "leveldata/IniFile.h"
#include "platform/DesktopWishes.h"
#include "platform/QtTranslations.h"
#include "platform/ScreenLock.h"

namespace daz::testing {
namespace {

class Actions : public InMainWindow {};

// A session bus of the test's own, never the machine's.
class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                       QStringLiteral("--print-address=1")});
        while (daemon_.waitForReadyRead(30000) && !daemon_.canReadLine()) {
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        daemon_.kill();
        daemon_.waitForFinished();
    }
    QDBusConnection Connect(const QString& name)
    {
        names_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

// The program's keys show beside their menu items and do what the items
// do: F5 still asks, the menus open paused, Ctrl+Q saves.
TEST_F(Actions, MenuKeysShowInTheMenusAndTakeTheItemsPaths)
{
    Open(2);
    h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助\r\n");
    // Each menu item is one of the window's named actions, so that its
    // keys work while its menu is closed.
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && !item->menu()) {
                EXPECT_FALSE(item->objectName().isEmpty()) << item->text().toStdString();
                EXPECT_TRUE(window->actions().contains(item)) << item->objectName().toStdString();
            }
        }
    }
    const std::pair<QAction*, QKeySequence> shown[] = {
        {Action("restart"), QKeySequence(Qt::Key_F5)},         {Action("help"), QKeySequence(Qt::Key_F1)},
        {Action("quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)},  {Action("mode1"), QKeySequence(Qt::CTRL | Qt::Key_1)},
        {Action("mode4"), QKeySequence(Qt::CTRL | Qt::Key_4)},
    };
    for (const auto& [item, key] : shown) {
        ASSERT_NE(item, nullptr) << key.toString().toStdString();
        EXPECT_EQ(item->shortcut(), key);
        EXPECT_TRUE(item->isShortcutVisibleInContextMenu());
    }
    EXPECT_TRUE(Action("mode3")->text().startsWith(QStringLiteral("挑战模式 — ")));
    EXPECT_TRUE(window->Strip()->MenuButton(Toolbar::MenuButton::Mode)->toolTip().contains(QStringLiteral("Alt+G")));

    Round& game = h.round();
    ASSERT_TRUE(h.RemoveAPair());
    Key(Qt::Key_F5); // answered No
    ASSERT_EQ(h.BoxTexts(), QStringList{QStringLiteral("你真的要重新开始吗？")});
    EXPECT_EQ(game.Undo().UndoCount(), 2);
    h.boxes.answers.push_back(platform::MessageAnswer::Yes);
    Key(Qt::Key_F5);
    EXPECT_EQ(game.Undo().UndoCount(), 0);

    Key(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(openedMenu, window->findChild<QMenu*>(QStringLiteral("mainMenu")));
    EXPECT_EQ(game.GetPhase(), Phase::Paused);
    Key(Qt::Key_Space);
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(openedMenu, window->findChild<QMenu*>(QStringLiteral("modeMenu")));
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(h.flow->Place().mode, 3);
    EXPECT_TRUE(Action("mode3")->isChecked());
    EXPECT_EQ(game.GetPhase(), Phase::Playing) << "the mode's level starts";

    Key(Qt::Key_F1);
    ASSERT_NE(window->findChild<HelpWindow*>(), nullptr);
    EXPECT_TRUE(window->findChild<HelpWindow*>()->isVisible());
    window->findChild<HelpWindow*>()->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    h.round().SetScore(77);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    IniAccess ini(h.folder.Path(), h.problems);
    EXPECT_EQ(ini.ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"),
                             QStringLiteral("UserJF")),
              QStringLiteral("77"));
}

TEST_F(Actions, TheToolbarLabelsAndTogglesWork)
{
    Open(2);
    EXPECT_EQ(LabelOf(Toolbar::Label::Undo)->text(), QStringLiteral("←撤消*6"));
    QTest::mouseClick(LabelOf(Toolbar::Label::Pause), Qt::LeftButton);
    EXPECT_FALSE(LabelOf(Toolbar::Label::Undo)->isEnabled());
    EXPECT_TRUE(LabelOf(Toolbar::Label::Restart)->isEnabled());
    EXPECT_TRUE(window->ShowBox()->isVisible());
    QTest::mouseClick(window->ShowBox(), Qt::LeftButton);
    EXPECT_TRUE(LabelOf(Toolbar::Label::Undo)->isEnabled());

    // A label lit by the pointer goes back to rest as the pointer leaves
    // it, wherever it goes; a tool the score cannot pay for is grey and
    // struck through (not told by colour alone), also after the strip is
    // laid out again, and a click on it says why beside it.
    ClickLabel* hint = LabelOf(Toolbar::Label::Hint);
    h.round().SetScore(100);
    QTest::mouseMove(hint, hint->rect().center());
    ASSERT_EQ(hint->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x00));
    QTest::mouseMove(window->Board(), window->Board()->rect().center());
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0x40, 0x40, 0x40));
    EXPECT_FALSE(hint->font().strikeOut());
    h.round().SetScore(1);
    window->resize(window->size() + QSize(40, 30));
    QApplication::processEvents();
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0xA0, 0xA0, 0xA0));
    EXPECT_TRUE(hint->font().strikeOut());
    EXPECT_FALSE(LabelOf(Toolbar::Label::Restart)->font().strikeOut());
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("积分不足"));

    // The music switch shows twice, and both always agree. On and off look
    // nothing alike: not merely a shade darker.
    const QImage on = Toggle("music")->grab().toImage();
    QTest::mouseClick(Toggle("music"), Qt::LeftButton);
    EXPECT_TRUE(Toggle("music")->isChecked());
    const QImage off = Toggle("music")->grab().toImage();
    ASSERT_EQ(on.size(), off.size());
    int unlike = 0;
    for (int y = 0; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) {
            const QColor a = on.pixelColor(x, y);
            const QColor b = off.pixelColor(x, y);
            unlike += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue())
                      > 120;
        }
    }
    EXPECT_GT(unlike, on.width() * on.height() / 2) << "on and off look alike";
    EXPECT_FALSE(Action("music")->isChecked());
    EXPECT_FALSE(h.audio().MusicOn());
    Action("music")->trigger();
    EXPECT_FALSE(Toggle("music")->isChecked());
    EXPECT_TRUE(h.audio().MusicOn());
    Action("effects")->trigger();
    EXPECT_TRUE(Toggle("effects")->isChecked());
    EXPECT_FALSE(h.audio().EffectsOn());
}

TEST_F(Actions, MenuButtonsPauseAndOpenBelowTheirMiddle)
{
    Open(2);
    window->resize(1200, 700);
    QTest::mouseClick(window->Strip()->MenuButton(Toolbar::MenuButton::Main), Qt::LeftButton);
    EXPECT_EQ(openedMenu, window->findChild<QMenu*>(QStringLiteral("mainMenu")));
    QWidget* button = window->Strip()->MenuButton(Toolbar::MenuButton::Main);
    EXPECT_EQ(openedAt, button->mapToGlobal(QPoint(button->width() / 2, button->height())));
    EXPECT_FALSE(window->Board()->isVisible());
    EXPECT_FALSE(LabelOf(Toolbar::Label::Hint)->isEnabled()) << "a menu's pause is a pause";

    QTest::mouseClick(window->Strip()->MenuButton(Toolbar::MenuButton::Mode), Qt::LeftButton);
    EXPECT_EQ(openedMenu, window->findChild<QMenu*>(QStringLiteral("modeMenu")));
    EXPECT_TRUE(Action("mode2")->isChecked());
    Action("mode3")->trigger();
    EXPECT_EQ(h.flow->Place().mode, 3);
    EXPECT_TRUE(Action("mode3")->isChecked());
    EXPECT_FALSE(Action("mode2")->isChecked());
    EXPECT_TRUE(window->Board()->isVisible());
}

TEST_F(Actions, TheLevelMenuListsTheCatalogue)
{
    Open(2);
    EXPECT_EQ(Action("level1")->text(), QStringLiteral("1．甲"));
    EXPECT_TRUE(Action("level2")->isVisible());
    EXPECT_FALSE(Action("level3")->isVisible());
    Action("level2")->trigger();
    EXPECT_EQ(h.flow->Place().level, 2);
}

// In English the levels that came with the game go by their English
// names; a level of the player's keeps the name it was given, even one a
// shipped level has or one in a shipped level's folder, and the catalogue
// keeps what it stores. The help is the English one when there is one.
TEST_F(Actions, ShippedLevelsAndTheHelpComeInEnglishAndThePlayersLevelsKeepTheirNames)
{
    const platform::Translations english = platform::LoadTranslations({QStringLiteral("en")}, QLocale::c());
    ASSERT_NE(english.game, nullptr);
    english.Install();
    Open(2, {},
         {Spec(QStringLiteral("十二生肖"), QStringLiteral("02-zodiac"), 4, 2, 10),
          Spec(QStringLiteral("十二生肖"), QStringLiteral("mine"), 4, 2, 10),
          Spec(QStringLiteral("草丛里的虫"), QStringLiteral("insects"), 4, 2, 10),
          Spec(QStringLiteral("Bugs"), QStringLiteral("insects"), 4, 2, 10)});
    EXPECT_EQ(Action("level1")->text(), QStringLiteral("1. The Chinese Zodiac"));
    EXPECT_EQ(Action("level2")->text(), QStringLiteral("2. 十二生肖"));
    EXPECT_EQ(Action("level3")->text(), QStringLiteral("3. 草丛里的虫"));
    EXPECT_EQ(Action("level4")->text(), QStringLiteral("4. Bugs"));
    EXPECT_TRUE(window->Board()->Caption()->text().endsWith(QStringLiteral("1. The Chinese Zodiac")))
        << window->Board()->Caption()->text().toStdString();
    Action("level2")->trigger();
    EXPECT_TRUE(window->Board()->Caption()->text().endsWith(QStringLiteral("2. 十二生肖")));
    const QString catalogue = QString::fromUtf8(h.folder.Read(QStringLiteral("DAZGame.ini")));
    EXPECT_TRUE(catalogue.contains(QStringLiteral("UserGK=2")));
    EXPECT_TRUE(catalogue.contains(QStringLiteral("MenuName1=十二生肖")));
    EXPECT_FALSE(catalogue.contains(QStringLiteral("Zodiac")));

    // The help in English where there is one, else the Chinese.
    h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助");
    for (const char* english : {"", "Help"}) {
        if (*english) {
            h.folder.Write(QStringLiteral("dazRedme_en.txt"), english);
        }
        Action("help")->trigger();
        HelpWindow* shown = window->findChild<HelpWindow*>();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Text(), *english ? QString::fromUtf8(english) : QStringLiteral("帮助"));
        shown->close();
    }
}

TEST_F(Actions, ALevelMadeInTheEditorIsListedAtOnce)
{
    Open(2, MainWindow::LevelTools{[this](QWidget*) {
                                       h.folder.WriteGame({Spec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10),
                                                           Spec(QStringLiteral("乙"), QStringLiteral("b"), 6, 4, 10),
                                                           Spec(QStringLiteral("丙"), QStringLiteral("c"), 2, 2, 10)});
                                       return true;
                                   },
                                   {}});
    EXPECT_FALSE(Action("level3")->isVisible());
    Action("levelEditor")->trigger();
    ASSERT_TRUE(Action("level3")->isVisible());
    EXPECT_EQ(Action("level3")->text(), QStringLiteral("3．丙"));
    EXPECT_EQ(h.flow->Place().level, 1); // the level in play goes on
    Action("level3")->trigger();
    EXPECT_EQ(h.board().TileCount(), 4);
    EXPECT_TRUE(h.boxes.shown.empty());
}

// The help text as it was saved: GBK by the Windows releases, UTF-8 (with
// or without a byte-order mark) by editors of today.
TEST_F(Actions, HelpOpensInAWindowOfTheGameInEitherEncoding)
{
    Open(2);
    const QString help = QStringLiteral("连连看帮助：点两张相同的牌。\n第二行");
    const QByteArray gbk = QByteArray::fromHex("c1acc1acbfb4b0efd6faa3bab5e3c1bdd5c5cfe0cdacb5c4c5c6a1a3") + "\r\n"
                           + QByteArray::fromHex("b5dab6fed0d0");
    for (const QByteArray& bytes : {gbk, help.toUtf8(), "\xEF\xBB\xBF" + help.toUtf8()}) {
        h.folder.Write(QStringLiteral("dazRedme.txt"), bytes);
        Action("help")->trigger();
        HelpWindow* shown = window->findChild<HelpWindow*>();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->Text(), help);
        EXPECT_TRUE(shown->View()->isReadOnly());
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("主题帮助"));
        shown->close();
    }
    EXPECT_TRUE(h.desktop.opened.isEmpty());
    EXPECT_TRUE(h.boxes.shown.empty());
}

} // namespace
} // namespace daz::testing

namespace daz::testing {
namespace {

// The level pauses as the player goes away from it: another program takes
// the focus, the desktop locks the screen (its screen saver's signal, on a
// private session bus), the window is minimised; it stays paused on the
// way back. Turned off, none of them pauses it.
TEST_F(Actions, TheLevelPausesWhenThePlayerGoesAway)
{
    Open(2);
    PrivateBus bus;
    platform::ScreenLock lock(bus.Connect(QStringLiteral("listener")));
    ASSERT_TRUE(lock.Watching()) << "no private session bus (dbus-daemon)";
    QObject::connect(&lock, &platform::ScreenLock::locked, window.get(), &MainWindow::PlayerAway);
    QDBusConnection desktop = bus.Connect(QStringLiteral("desktop"));
    QSignalSpy locks(&lock, &platform::ScreenLock::locked);
    const auto lockScreen = [&](const char* path, const char* interface) {
        QDBusMessage active = QDBusMessage::createSignal(QString::fromLatin1(path), QString::fromLatin1(interface),
                                                         QStringLiteral("ActiveChanged"));
        active << true;
        ASSERT_TRUE(desktop.send(active));
        ASSERT_TRUE(locks.wait(30000)) << path;
    };
    Round& round = h.round();

    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(round.GetPhase(), Phase::Paused);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(round.GetPhase(), Phase::Paused) << "coming back goes on by itself";
    round.Continue();
    lockScreen("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver");
    EXPECT_EQ(round.GetPhase(), Phase::Paused);
    round.Continue();
    window->showMinimized();
    EXPECT_EQ(round.GetPhase(), Phase::Paused);
    window->showNormal();
    round.Continue();

    window->SetPauseWhenAway(false);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    lockScreen("/org/gnome/ScreenSaver", "org.gnome.ScreenSaver");
    window->showMinimized();
    EXPECT_EQ(round.GetPhase(), Phase::Playing);
    window->showNormal();
}

// The desktop portal's settings as a desktop keeps them: Read answers a
// value wrapped in one variant more, an unknown key answers an error, and
// a change goes out as SettingChanged.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakePortal(QDBusConnection bus) : bus_(std::move(bus))
    {
        bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this, QDBusConnection::ExportAllSlots);
        bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    void Change(const QString& space, const QString& key, const QVariant& value)
    {
        values[space + '/' + key] = value;
        QDBusMessage changed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                          QStringLiteral("org.freedesktop.portal.Settings"),
                                                          QStringLiteral("SettingChanged"));
        changed << space << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(changed);
    }

    QVariantMap values;

public slots:
    QDBusVariant Read(const QString& space, const QString& key)
    {
        const auto value = values.constFind(space + '/' + key);
        if (value == values.constEnd()) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("no such key"));
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(*value)));
    }

private:
    QDBusConnection bus_;
};

// The desktop's wishes as the portal tells them on the bus: read at start
// (a key the desktop lacks is no wish), then followed as they change.
// Either reduced-motion or GNOME's animations switched off asks for less
// motion; contrast 1 asks for high contrast.
TEST(DesktopWishes, AreReadFromThePortalAndFollowedAsTheyChange)
{
    PrivateBus bus;
    FakePortal portal(bus.Connect(QStringLiteral("portal")));
    portal.values[QStringLiteral("org.gnome.desktop.interface/enable-animations")] = false;
    platform::PortalWishes wishes(bus.Connect(QStringLiteral("game")));
    QSignalSpy answered(&wishes, &platform::PortalWishes::answered);
    ASSERT_TRUE(wishes.Answered() || answered.wait(30000)) << "no answer from the portal";
    EXPECT_TRUE(wishes.LessMotion());
    EXPECT_FALSE(wishes.HighContrast());

    QSignalSpy changed(&wishes, &platform::DesktopWishes::changed);
    const auto change = [&](const char* space, const char* key, const QVariant& value) {
        const int before = static_cast<int>(changed.count());
        portal.Change(QString::fromLatin1(space), QString::fromLatin1(key), value);
        ASSERT_TRUE(changed.count() > before || changed.wait(30000)) << key;
    };
    change("org.freedesktop.appearance", "contrast", QVariant::fromValue(1u));
    EXPECT_TRUE(wishes.HighContrast());
    change("org.gnome.desktop.interface", "enable-animations", true);
    EXPECT_FALSE(wishes.LessMotion());
    change("org.freedesktop.appearance", "reduced-motion", QVariant::fromValue(1u));
    EXPECT_TRUE(wishes.LessMotion());
    change("org.freedesktop.appearance", "contrast", QVariant::fromValue(0u));
    EXPECT_FALSE(wishes.HighContrast());
    EXPECT_TRUE(wishes.LessMotion());
}

} // namespace
} // namespace daz::testing

#include "MainWindowActionsTest.moc"

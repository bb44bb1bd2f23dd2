// Every window under high contrast, measured on its pixels as the player
// sees them: each text against what lies around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "FakeDialogs.h"
#include "FakeRecords.h"
#include "GameHarness.h"
#include "presentation/Contrast.h"
#include "presentation/HelpWindow.h"
#include "presentation/MainWindow.h"
#include "presentation/ModeChooserWindow.h"
#include "presentation/RecordsWindow.h"
#include "presentation/SettingsWindow.h"
#include "presentation/ToolStrip.h"
#include "presentation/leveltools/FolderChooserWindow.h"
#include "presentation/leveltools/LevelEditorWindow.h"
#include "presentation/leveltools/LevelModifierWindow.h"

namespace daz::testing {
namespace {

// The text a widget shows, if it shows any.
QString TextOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        return list->currentText();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
        return edit->toPlainText().left(40);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        return tabs->tabText(tabs->currentIndex());
    }
    return {};
}

// The contrast of a text on the window's pixels: the colour most of its
// place shows is the background; the pixels that differ from it are the
// letters, smoothed at their edges, so they are judged by their strongest
// tenth.
double TextContrast(const QImage& shown, const QRect& place)
{
    std::map<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            ++counts[shown.pixel(x, y) | 0xff000000u];
        }
    }
    const QColor background(
        std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first);
    std::vector<double> ink;
    for (const auto& [colour, count] : counts) {
        if (const double ratio = ContrastRatio(QColor(colour), background); ratio >= 1.5) {
            ink.insert(ink.end(), static_cast<std::size_t>(count), ratio);
        }
    }
    if (ink.empty()) {
        return 1.0;
    }
    std::sort(ink.begin(), ink.end(), std::greater<>());
    return ink[ink.size() / 10];
}

// Each shown widget with a text in the window, measured on its grab.
QStringList LowContrast(QWidget* window, const QString& name)
{
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double dpr = shown.devicePixelRatio();
    QStringList problems;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->width() < 4 || widget->height() < 4) {
            continue;
        }
        const QString text = TextOf(widget).trimmed();
        QWidget* measured = widget;
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model() && view->model()->rowCount()) {
            measured = view->viewport();
        } else if (text.isEmpty()) {
            continue;
        }
        const QRect place(measured->mapTo(window, QPoint(0, 0)) * dpr, measured->size() * dpr);
        const QRect inside = place.intersected(shown.rect());
        if (inside.isEmpty()) {
            continue;
        }
        if (const double ratio = TextContrast(shown, inside); ratio < 4.5) {
            problems << QStringLiteral("%1: %2 %3 \"%4\" at %5:1")
                            .arg(name, QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                                 text.left(20))
                            .arg(ratio, 0, 'f', 2);
        }
    }
    return problems;
}

class Contrast : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.folder.WriteGame({TestProgramFolder::LevelSpec(QStringLiteral("甲"), QStringLiteral("a"), 6, 4, 10)}, 1, 100);
        h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助\r\n");
    }
    void TearDown() override { UseHighContrast(false); }

    GameHarness h;
};

// Under high contrast every text of every window reads at 4.5:1 or more
// against its surroundings, and the time bar at 3:1 against its track: the
// main window with its strip, the help, 成绩榜, the mode chooser, the level
// tools with their folder chooser, and 设置. The main window is open as
// high contrast comes, the others open under it.
TEST_F(Contrast, EveryTextReadsUnderHighContrast)
{
    h.Start(2);
    QStringList problems;
    {
        MainWindow window(h.WindowParts(), MainWindow::LevelTools{});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        UseHighContrast(true);
        problems << LowContrast(&window, QStringLiteral("main window"));
        const QWidget* bar = window.Strip()->findChild<TimeBar*>();
        ASSERT_NE(bar, nullptr);
        const float full = h.round().TimeLeft();
        for (int tick = 0; tick < 100000 && h.round().TimeLeft() > full / 2; ++tick) {
            h.timers.Fire(QStringLiteral("LevelClock"));
        }
        QCoreApplication::processEvents();
        const QImage shown = window.grab().toImage();
        const QPoint at = bar->mapTo(&window, QPoint(0, bar->height() / 2)) * shown.devicePixelRatio();
        const QColor filled = shown.pixelColor(at + QPoint(2, 0));
        const QColor track = shown.pixelColor(at + QPoint(bar->width() * shown.devicePixelRatio() - 3, 0));
        EXPECT_GE(ContrastRatio(filled, track), 3.0) << "the time bar against its track";
        h.Trigger("help");
        auto* help = window.findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        problems << LowContrast(help, QStringLiteral("help"));
    }
    FakeRecords records;
    const std::vector<CatalogueEntry> levels = h.flow->ListedLevels();
    records.AddResult({levels[0].path,
                       2,
                       12,
                       95,
                       1,
                       0,
                       0,
                       QDateTime(QDate(2026, 12, 9), QTime(21, 59)),
                       QStringLiteral("PLAYER"),
                       {}});
    {
        RecordsWindow window(&records, levels, h.boxes);
        window.Choose(levels[0].path, 2);
        for (int page = 0; page < window.Pages()->count(); ++page) {
            window.Pages()->setCurrentIndex(page);
            problems << LowContrast(&window, QStringLiteral("成绩榜 page %1").arg(page));
        }
    }
    {
        auto* chooser = new ModeChooserWindow(h.effects, DataFolders(h.folder.Path()));
        chooser->Load();
        problems << LowContrast(chooser, QStringLiteral("mode chooser"));
        chooser->close(); // and deletes itself
    }
    FakeDialogs dialogs;
    LevelToolContext tools{h.parts->ini, h.boxes, dialogs};
    LevelEditorWindow editor(tools, nullptr);
    LevelModifierWindow modifier(tools, nullptr);
    FolderChooserWindow folders(h.folder.Path(), h.boxes, nullptr);
    SettingsWindow settings(true, nullptr);
    for (QWidget* window : std::initializer_list<QWidget*>{&editor, &modifier, &folders, &settings}) {
        problems << LowContrast(window, window->windowTitle());
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

} // namespace
} // namespace daz::testing

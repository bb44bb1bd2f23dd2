#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

#include "FakeDialogs.h"
#include "FakeRecords.h"
#include "GameHarness.h"
#include "platform/QtTranslations.h"
#include "presentation/BoardView.h"
#include "presentation/HaloLabel.h"
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

using Spec = TestProgramFolder::LevelSpec;

// Where every shown text of a window is measured against the room it has:
// its letters in the widget's font against the widget's laid-out geometry
// as the style divides it, and the place the text takes against its
// ancestors' edges and the texts, pictures and controls beside it. Each
// text that does not fit is one line of Problems(): the window, the
// widget, the text, the pixels it needs and those it has. A text shortened
// on purpose is shortened by its window before it is shown (the folder
// chooser's long mount points, in their middle), so it fits like any other.
//
// In a translation, a text in Chinese is a problem too: a word left
// untranslated. The only Chinese a translation shows on purpose is the
// language menu's, which names Chinese in Chinese for a player who reads
// nothing else.
class TextRoom {
public:
    explicit TextRoom(QString window, bool translated = false) : window_(std::move(window)), translated_(translated) {}

    // The widget and every descendant shown.
    void Walk(const QWidget* root)
    {
        QList<const QWidget*> widgets{root};
        for (const QWidget* child : root->findChildren<QWidget*>()) {
            widgets.append(child);
        }
        for (const QWidget* widget : widgets) {
            if (!widget->isVisible()) {
                continue;
            }
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                Label(label);
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                Button(button);
            } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
                Combo(list);
            } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
                Header(header);
            } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
                Tabs(tabs);
            } else if (const auto* table = qobject_cast<const QTableView*>(widget)) {
                Cells(table);
            } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
                MenuBar(bar);
            }
        }
        Crowding();
    }

    // The entries of a menu and of its submenus: each as wide as the menu
    // would make it alone.
    void WalkMenu(const QMenu* menu)
    {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            QMenu alone;
            alone.setFont(menu->font());
            alone.addAction(action);
            Need(menu, action->text(), alone.actionGeometry(action).width(), menu->actionGeometry(action).width());
            if (action->menu()) {
                WalkMenu(action->menu());
            }
        }
    }

    const QStringList& Problems() const { return problems_; }

private:
    // A menu bar's titles, none hidden behind its »; and their menus.
    void MenuBar(const QMenuBar* bar)
    {
        for (QAction* action : bar->actions()) {
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            const QRect place = bar->actionGeometry(action);
            Need(bar, action->text(), bar->fontMetrics().size(Qt::TextShowMnemonic, action->text()).width(),
                 place.width());
            if (place.isEmpty() || !bar->rect().contains(place)) {
                Report(bar, action->text(), QStringLiteral("hidden beyond the bar's %1 px").arg(bar->width()));
            }
            if (action->menu()) {
                WalkMenu(action->menu());
            }
        }
    }

    // Where a widget's text (or picture, or control) lies, in its parent.
    struct Place {
        const QWidget* widget;
        QRect rect;
        QString text;
    };

    static QString Name(const QWidget* widget)
    {
        const QString name = widget->objectName().isEmpty() ? QStringLiteral("-") : widget->objectName();
        return QStringLiteral("%1 (%2)").arg(name, QString::fromLatin1(widget->metaObject()->className()));
    }

    void Report(const QWidget* widget, const QString& text, const QString& what)
    {
        problems_ << QStringLiteral("%1: %2 \"%3\": %4").arg(window_, Name(widget), text, what);
    }

    void Need(const QWidget* widget, const QString& text, int needed, int available, const char* extent = "wide")
    {
        static const QRegularExpression han(QStringLiteral("\\p{Han}"));
        static const QStringList chineseOnPurpose{QStringLiteral("语言 / Language"), QStringLiteral("中文")};
        if (translated_ && text.contains(han) && !chineseOnPurpose.contains(text)) {
            Report(widget, text, QStringLiteral("left in Chinese"));
        }
        if (needed > available) {
            Report(widget, text,
                   QStringLiteral("needs %1 px %2, has %3").arg(needed).arg(QLatin1String(extent)).arg(available));
        }
    }

    void Need(const QWidget* widget, const QString& text, QSize needed, QSize available)
    {
        Need(widget, text, needed.width(), available.width());
        Need(widget, text, needed.height(), available.height(), "high");
    }

    // The text's place must lie inside every ancestor up to the window.
    void Placed(const QWidget* widget, QRect inWidget, const QString& text)
    {
        places_.push_back({widget, inWidget.translated(widget->pos()), text});
        QRect rect = inWidget;
        for (const QWidget* w = widget; !w->isWindow(); w = w->parentWidget()) {
            rect.translate(w->pos());
            const QWidget* parent = w->parentWidget();
            if (!parent->rect().contains(rect)) {
                Report(widget, text,
                       QStringLiteral("lies at %1,%2 %3×%4, beyond %5 (%6×%7)")
                           .arg(rect.x())
                           .arg(rect.y())
                           .arg(rect.width())
                           .arg(rect.height())
                           .arg(Name(parent))
                           .arg(parent->width())
                           .arg(parent->height()));
                return;
            }
        }
    }

    void Label(const QLabel* label)
    {
        if (label->text().isEmpty()) {
            if (!label->pixmap().isNull()) {
                Placed(label, label->rect(), QString());
            }
            return;
        }
        QString text = label->text();
        if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        const int margin = label->margin();
        const QRect inside = label->contentsRect().marginsRemoved(QMargins(margin, margin, margin, margin));
        QSize needed;
        if (dynamic_cast<const HaloLabel*>(label)) {
            needed = label->sizeHint(); // the letters and the ring around them
        } else {
            const int flags = Qt::TextExpandTabs | (label->buddy() ? Qt::TextShowMnemonic : 0)
                              | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QFontMetrics metrics = label->fontMetrics();
            needed = metrics.boundingRect(inside, flags, text).size();
            // As many lines as the text takes, each as high as the label's
            // font: a letter taken from a fallback font (a Chinese one, or
            // an arrow) may reach a pixel further, into the line's margin.
            const int lines = std::max(1, qRound(double(needed.height()) / metrics.lineSpacing()));
            needed.setHeight((lines - 1) * metrics.lineSpacing() + metrics.height());
        }
        Need(label, text, needed, inside.size());
        Placed(label, QStyle::alignedRect(label->layoutDirection(), label->alignment(), needed, inside), text);
    }

    void Button(const QAbstractButton* button)
    {
        const QString text = button->text();
        if (text.isEmpty()) {
            Placed(button, button->rect(), QString());
            return;
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, text);
        if (!option.icon.isNull()) {
            needed.rwidth() += option.iconSize.width() + 4; // as the styles set an icon beside its text
        }
        QRect inside = button->rect();
        if (qobject_cast<const QCheckBox*>(button)) {
            inside = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        } else if (qobject_cast<const QRadioButton*>(button)) {
            inside = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
            if (push->autoDefault()) {
                option.features |= QStyleOptionButton::AutoDefaultButton;
            }
            if (push->isDefault()) {
                option.features |= QStyleOptionButton::DefaultButton;
            }
            if (push->isFlat()) {
                option.features |= QStyleOptionButton::Flat;
            }
            inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else {
            needed = button->sizeHint();
        }
        Need(button, text, needed, inside.size());
        Placed(button, button->rect(), text);
    }

    // Every item as the closed list shows it once chosen.
    void Combo(const QComboBox* list)
    {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.frame = list->hasFrame();
        option.subControls = QStyle::SC_All;
        option.iconSize = list->iconSize();
        // The styles draw the chosen item a pixel in from the field's edges.
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                          list);
        for (int i = 0; i < list->count(); ++i) {
            int needed = list->fontMetrics().horizontalAdvance(list->itemText(i)) + 2;
            if (!list->itemIcon(i).isNull()) {
                needed += list->iconSize().width() + 4;
            }
            Need(list, list->itemText(i), needed, field.width());
        }
        Placed(list, list->rect(), list->currentText());
    }

    // Each section's title within its section, and the section within the
    // header's view: a column that needs scrolling to be read is cut.
    void Header(const QHeaderView* header)
    {
        const bool across = header->orientation() == Qt::Horizontal;
        const int room = across ? header->viewport()->width() : header->viewport()->height();
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section)) {
                continue;
            }
            QStyleOptionHeader option;
            option.initFrom(header);
            option.orientation = header->orientation();
            option.section = section;
            option.text = header->model()->headerData(section, header->orientation()).toString();
            option.textAlignment = header->defaultAlignment();
            const QSize needed = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
            const int size = header->sectionSize(section);
            Need(header, option.text, needed, across ? QSize(size, header->height()) : QSize(header->width(), size));
            const int at = header->sectionViewportPosition(section);
            if (at < 0 || at + size > room) {
                Report(header, option.text,
                       QStringLiteral("section at %1 to %2, beyond the view's %3 px").arg(at).arg(at + size).arg(room));
            } else {
                const QRect place = across ? QRect(at, 0, size, header->height()) : QRect(0, at, header->width(), size);
                Placed(header, place.translated(header->viewport()->pos()), option.text);
            }
        }
    }

    void Tabs(const QTabBar* tabs)
    {
        const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = tabs->tabText(i);
            const QRect tab = tabs->tabRect(i);
            Need(tabs, text, tabs->fontMetrics().size(Qt::TextShowMnemonic, text).width() + space, tab.width());
            if (!tabs->rect().contains(tab)) {
                Report(tabs, text, QStringLiteral("tab beyond the bar's %1 px").arg(tabs->width()));
            } else {
                Placed(tabs, tab, text);
            }
        }
    }

    void Cells(const QTableView* table)
    {
        const QAbstractItemModel* model = table->model();
        const QRect view = table->viewport()->rect();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const QString text = index.data().toString();
                if (text.isEmpty() || table->isRowHidden(row) || table->isColumnHidden(column)) {
                    continue;
                }
                // A table may scroll down its rows, not across its columns.
                const QRect cell = table->visualRect(index);
                Need(table, text, table->sizeHintForIndex(index).width(), cell.width());
                if (cell.left() < view.left() || cell.right() > view.right()) {
                    Report(table, text, QStringLiteral("cell beyond the table's view"));
                }
            }
        }
    }

    // No text, picture or control runs into another beside it.
    void Crowding()
    {
        for (std::size_t i = 0; i < places_.size(); ++i) {
            for (std::size_t j = i + 1; j < places_.size(); ++j) {
                const Place& a = places_[i];
                const Place& b = places_[j];
                if (a.widget != b.widget && a.widget->parentWidget() == b.widget->parentWidget()
                    && a.rect.intersects(b.rect)) {
                    Report(a.widget, a.text, QStringLiteral("runs into %1 \"%2\"").arg(Name(b.widget), b.text));
                }
            }
        }
        places_.clear();
    }

    QString window_;
    bool translated_ = false;
    QStringList problems_;
    std::vector<Place> places_;
};

// Each problem once, though the strip is walked at every rank.
std::string Lines(QStringList problems)
{
    problems.removeDuplicates();
    return problems.join(u'\n').toStdString();
}

// The languages the game speaks: its own, and each translation.
const QStringList kLanguages{platform::kChineseChoice, QStringLiteral("en")};
bool Translated(const QString& language)
{
    return language != platform::kChineseChoice;
}

// The shipped catalogue, whose levels have names in both languages; the
// game plays the level with the longest English name.
constexpr int kLongestNamed = 29;
const Spec kLongestLevel(QStringLiteral("江山如画"), QStringLiteral("landscape"), 12, 8, 40);

class TextFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile shipped(QStringLiteral(DAZ_DATA_DIR "/DAZGame.ini"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        QByteArray catalogue = shipped.readAll();
        ASSERT_TRUE(catalogue.contains("UserGK=1\r\n") || catalogue.contains("UserGK=1\n"));
        catalogue.replace("UserGK=1", "UserGK=" + QByteArray::number(kLongestNamed));
        h.folder.Write(QStringLiteral("DAZGame.ini"), catalogue);
        h.folder.WriteLevel(kLongestLevel);
        h.folder.Write(QStringLiteral("dazRedme.txt"), "help\r\n");
    }

    void Speak(const QString& language)
    {
        languages.Use(language);
        QCoreApplication::processEvents(); // Qt posts the change to every window
    }

    // A window at a size (or the nearest its layout allows), laid out and
    // shown; what it shows at is named in the problems.
    static QString Show(QWidget* window, QSize size)
    {
        window->resize(size);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        // A page shown anew may need more room: the window grows to it
        // once its layout has heard from every level below.
        if (window->layout()) {
            window->layout()->activate();
            QCoreApplication::processEvents();
        }
        return QStringLiteral("%1×%2").arg(window->width()).arg(window->height());
    }

    // Its smallest size, once shown: what it was given, or what its layout
    // needs in the fonts it shows.
    static QSize Smallest(QWidget* window)
    {
        Show(window, window->size());
        return window->minimumSize();
    }

    GameHarness h;
    platform::LanguageSwitch languages{QStringList{QStringLiteral("C")}, QLocale::c()};
};

// The main window with its tool strip at every rank, its caption, the note
// of a cleared level and its menus, at its smallest, its first and a large
// size, and the help beside it at its smallest and first; in Chinese and
// then in English as the menu switches it.
TEST_F(TextFit, TheMainWindowItsMenusAndTheHelpShowEveryTextWhole)
{
    h.Start(3);
    MainWindow window(h.WindowParts(), MainWindow::LevelTools{});
    // The longest caption: the level with the longest name in the mode with
    // the longest, resumed from the last run.
    emit h.flow->keptRoundResumed(false);
    ASSERT_TRUE(h.Caption().contains(QStringLiteral("继续")));
    // Its smallest, its first and a large screen's.
    const QList<QSize> sizes{window.minimumSize(), window.size(), {1920, 1080}};
    ASSERT_LT(sizes[0].width(), sizes[1].width());
    Show(&window, sizes[1]); // where it first opens, as it chooses
    h.Trigger("help");
    auto* help = window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const QList<QSize> helpSizes{Smallest(help), help->size()};

    QStringList problems;
    for (const QString& language : kLanguages) {
        Speak(language);
        for (int i = 0; i < sizes.size(); ++i) {
            TextRoom room(language + QStringLiteral(" main window at ") + Show(&window, sizes[i]),
                          Translated(language));
            room.Walk(&window);
            for (const QMenu* menu : window.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
                room.WalkMenu(menu);
            }
            // Every rank's title in the strip, from the first to the last.
            const ToolStrip* strip = window.findChild<ToolStrip*>();
            for (int rank = 0; rank < kRankCount; ++rank) {
                h.round().SetScore(rank == 0 ? 0 : std::int64_t{100} << (rank - 1));
                room.Walk(strip);
            }
            problems << room.Problems();
            // The Chinese words fit the places the strip was drawn for: its
            // tools' labels stay there. Longer words share the row, which
            // ends inside the picture's frame, half a gap after the last
            // label's place.
            const long left = (strip->width() - std::lround(ToolStrip::kContentWidth * strip->Scale())) / 2;
            const QRect last = Toolbar::LabelRect(Toolbar::kLabels.back());
            const long rowEnd = left + std::lround((last.right() + 1 + 90) * strip->Scale());
            for (const Toolbar::Label label : Toolbar::kLabels) {
                const auto* placed = strip->findChild<QLabel*>(Toolbar::ActionOf(label) + QStringLiteral("Label"));
                if (language == platform::kChineseChoice) {
                    EXPECT_EQ(placed->x(), left + std::lround(Toolbar::LabelRect(label).x() * strip->Scale()))
                        << Toolbar::ActionOf(label).toStdString();
                }
                EXPECT_LE(placed->geometry().right(), rowEnd) << Toolbar::ActionOf(label).toStdString();
            }

            if (i < helpSizes.size()) {
                TextRoom helpRoom(language + QStringLiteral(" help at ") + Show(help, helpSizes[i]),
                                  Translated(language));
                helpRoom.Walk(help);
                problems << helpRoom.Problems();
            }
        }
    }
    // A level cleared untimed after hours, tenth on its level: its time
    // and place beside the caption (the longest it gets) and under the
    // cleared picture.
    Speak(platform::kChineseChoice);
    h.round().SetUntimedPlay(true);
    h.ClearBoard();
    emit h.parts->results.cleared(ClearResult{.seconds = 35999, .storing = true, .place = 10});
    for (const QString& language : kLanguages) {
        Speak(language);
        for (const QSize size : sizes) {
            TextRoom room(language + QStringLiteral(" main window, level cleared, at ") + Show(&window, size),
                          Translated(language));
            room.Walk(&window);
            problems << room.Problems();
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << Lines(problems);
}

// The windows built in the language the game speaks: 成绩榜 on each page,
// timed and untimed, at its smallest and its first size, the mode chooser describing each
// entry, the level tools and their folder chooser, and 设置.
TEST_F(TextFit, TheOtherWindowsShowEveryTextWholeInEitherLanguage)
{
    h.Start(3);
    FakeRecords records;
    std::vector<CatalogueEntry> levels = h.flow->ListedLevels();
    ASSERT_GE(levels.size(), std::size_t{kLongestNamed});
    const QString level = levels[kLongestNamed - 1].path;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        // The longest times the game words, with every tool used.
        const QDateTime when(QDate(2026, 12, 9), QTime(21, 59));
        records.LevelStarted(level, mode, when);
        records.AddResult(
            {level, mode, kLargestShownScore, 35999, 99, 99, 99, when, QStringLiteral("PLAYER"), {}, false});
        records.LevelTimedOut(level, mode, 359999 - 35999, when); // 99:59:59 played in all
        records.LevelStarted(level, mode, when, true);
        records.AddResult(
            {level, mode, kLargestShownScore, 359999, 99, 99, 99, when, QStringLiteral("PLAYER"), {}, true});
    }
    FakeDialogs dialogs;
    LevelToolContext tools{h.parts->ini, h.boxes, dialogs};

    QStringList problems;
    for (const QString& language : kLanguages) {
        Speak(language);
        for (const bool untimed : {false, true}) {
            RecordsWindow window(&records, levels, h.boxes);
            window.Choose(level, 3, untimed);
            const QList<QSize> sizes{Smallest(&window), window.size()};
            for (const QSize size : sizes) {
                for (int page = 0; page < window.Pages()->count(); ++page) {
                    window.Pages()->setCurrentIndex(page);
                    TextRoom room(QStringLiteral("%1 成绩榜%2 page %3 at %4")
                                      .arg(language, untimed ? QStringLiteral(" 不限时") : QString())
                                      .arg(page)
                                      .arg(Show(&window, size)),
                                  Translated(language));
                    room.Walk(&window);
                    problems << room.Problems();
                }
            }
        }
        {
            auto* chooser = new ModeChooserWindow(h.effects, DataFolders(h.folder.Path()));
            chooser->Load();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
            // At rest, then describing each entry in turn.
            for (int entry = 0; entry <= static_cast<int>(ModeChooser::Entries().size()); ++entry) {
                if (entry > 0) {
                    chooser->Model().MoveFocus(1);
                }
                TextRoom room(QStringLiteral("%1 mode chooser, entry %2 lit").arg(language).arg(entry),
                              Translated(language));
                room.Walk(chooser);
                problems << room.Problems();
            }
            chooser->close(); // and deletes itself
        }
        LevelEditorWindow editor(tools, nullptr);
        LevelModifierWindow modifier(tools, nullptr);
        FolderChooserWindow folders(h.folder.Path(), h.boxes, nullptr);
        SettingsWindow settings(true, nullptr);
        for (QWidget* window : std::initializer_list<QWidget*>{&editor, &modifier, &folders, &settings}) {
            TextRoom room(
                language + u' ' + window->windowTitle() + QStringLiteral(" at ") + Show(window, window->size()),
                Translated(language));
            room.Walk(window);
            problems << room.Problems();
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << Lines(problems);
}

} // namespace
} // namespace daz::testing

#pragma once

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <optional>

#include "FakeAudio.h"
#include "FakeClock.h"
#include "FakeDesktop.h"
#include "FakeMessageBoxes.h"
#include "FakeTimers.h"
#include "TestProgramFolder.h"
#include "engine/HintSearch.h"
#include "engine/Random.h"
#include "game/AudioSwitches.h"
#include "game/CellGeometry.h"
#include "game/GameFlow.h"
#include "game/ProgressKeeper.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/SettingsStore.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/GameActions.h"
#include "presentation/GameInfo.h"
#include "presentation/MainWindow.h"
#include "presentation/Particles.h"
#include "presentation/ProblemTexts.h"
#include "presentation/RecordsWindow.h"
#include "presentation/SoundCues.h"
#include "presentation/Toolbar.h"

namespace daz::testing {

// The game as app/main.cpp builds it, without its window, on a temporary
// program folder, with every platform service faked: tests click, tick
// timers and read back.
struct GameHarness {
    TestProgramFolder folder;
    FakeMessageBoxes boxes;
    ProblemBoxes problems{boxes};
    FakeDesktop desktop;
    FakeEffectPlayer effects;
    FakeMusicPlayer music;
    FakeTimerFactory timers;
    FakeClock clock;
    Random random{20061004, [this] { return clock.seconds; }};   // the flow's: levels' seeds
    Random motionRandom{1004, [this] { return clock.seconds; }}; // the particles', the overlay's and the caption's

    // The game's parts, in the order main builds them.
    struct Parts {
        Parts(GameHarness& h, DataFolders folders, int mode)
            : ini(std::move(folders), h.problems),
              settings(ini),
              audio(ini.Folders(), h.effects, h.music),
              round(h.timers),
              results(round),
              keeper(ini.Folders(), settings, h.problems, h.timers, round),
              flow({ini, settings, round, audio, results, keeper, h.boxes, h.desktop, h.random, h.problems}, mode),
              motion(round, h.timers, h.motionRandom),
              cues(round, motion.hint, audio),
              particles(h.motionRandom, h.timers, kBoardAreaWidth, kBoardAreaHeight),
              caption(flow, round, results, h.timers),
              info(ini.Folders(), h.desktop, h.boxes),
              actions(flow, round, audio, info, h.boxes),
              toolbar(round, actions)
        {
            FollowLevels(particles, flow, round);
        }

        IniAccess ini;
        SettingsStore settings;
        AudioSwitches audio;
        Round round;
        ResultKeeper results;
        ProgressKeeper keeper;
        GameFlow flow;
        BoardMotion motion;
        SoundCues cues;
        Particles particles;
        BoardCaption caption;
        GameInfo info;
        GameActions actions; // the window's commands, without a window
        Toolbar toolbar;
    };
    std::unique_ptr<Parts> parts;
    GameFlow* flow = nullptr;

    // Builds the game as the mode chooser would, without its load step:
    // on the test's program folder, or on the folders given.
    GameFlow& Make(int mode, std::optional<DataFolders> folders = std::nullopt)
    {
        flow = nullptr;
        parts.reset();
        parts = std::make_unique<Parts>(*this, folders ? *folders : DataFolders(folder.Path()), mode);
        flow = &parts->flow;
        return *flow;
    }
    // … and runs the load step.
    GameFlow& Start(int mode)
    {
        Make(mode).Load();
        return *flow;
    }
    // The game goes, as at exit once its window closed.
    void Drop()
    {
        flow = nullptr;
        parts.reset();
    }

    // What a main window built on this game shows and drives.
    MainWindow::Parts WindowParts()
    {
        return {parts->flow,      parts->round,   parts->audio, parts->motion,
                parts->particles, parts->caption, parts->info,  boxes};
    }

    // 成绩榜 over the window given, as the main menu opens it.
    void OpenRecords(QWidget* parent) { daz::OpenRecords(parent, *flow, parts->round, parts->results, boxes); }

    // Triggers a command as its label, menu item or key does.
    void Trigger(const char* action) { parts->actions.Get(QString::fromLatin1(action))->trigger(); }
    // The caption over the board.
    QString Caption() const { return parts->caption.Text(); }
    // The level menu's items, 1 … the highest listed; empty for a level
    // the menu does not list.
    QStringList LevelMenu() const
    {
        int highest = 0;
        for (const CatalogueEntry& entry : parts->flow.ListedLevels()) {
            highest = std::max(highest, entry.number);
        }
        QStringList items;
        for (int i = 1; i <= highest; ++i) {
            const QAction* item = parts->actions.Levels()[static_cast<std::size_t>(i - 1)];
            items.append(item->isVisible() ? item->text() : QString());
        }
        return items;
    }

    Round& round() { return parts->round; }
    AudioSwitches& audio() { return parts->audio; }
    const Board& board() { return round().GetBoard(); }
    BoardMotion& motion() { return parts->motion; }
    Cell CellOf(int cellNumber) { return board().CellOf(cellNumber); }

    // The pair the hint's flash shows, by cell numbers.
    CellPair HintPair()
    {
        return {board().CellNumber(motion().hint.First()), board().CellNumber(motion().hint.Second())};
    }

    // A menu button was clicked: the level pauses before its menu opens.
    void OpenMenu(Toolbar::MenuButton button)
    {
        round().PauseQuietly();
        parts->toolbar.RestMenuButton(button);
    }

    // Whether the tile of a cell shows: it is on the board and the hint's
    // flash does not hide it.
    bool Shown(int cellNumber)
    {
        return board().At(CellOf(cellNumber)) != 0 && !motion().hint.Hides(CellOf(cellNumber));
    }

    // A left (or other) click on the tile of a cell, as the mouse makes it:
    // over the tile first, then pressing it.
    void Click(int cellNumber, MouseButton button = MouseButton::Left)
    {
        if (Shown(cellNumber)) {
            round().Hover(CellOf(cellNumber));
        }
        if (round().CursorShown()) {
            round().ClickTile(round().CursorCell(), button);
        }
    }

    // Two equal tiles that a path can join, in the hint's order.
    std::optional<CellPair> LinkablePair() { return FindPair(board()); }

    // Two equal tiles anywhere (enough in the simple mode).
    std::optional<CellPair> EqualPair()
    {
        const Board& b = board();
        for (int i = 1; i <= b.CellCount(); ++i) {
            for (int j = i + 1; j <= b.CellCount(); ++j) {
                const auto a = b.At(b.CellOf(i));
                if (a != 0 && a == b.At(b.CellOf(j))) {
                    return CellPair{i, j};
                }
            }
        }
        return std::nullopt;
    }

    // Removes one pair the way a player would; false when none can go.
    bool RemoveAPair()
    {
        const auto pair = round().Mode() == 1 ? EqualPair() : LinkablePair();
        if (!pair) {
            return false;
        }
        Click(pair->first);
        Click(pair->second);
        return true;
    }

    // Removes pairs until the board is empty, shuffling when stuck.
    void ClearBoard()
    {
        for (int guard = 0; guard < 10000 && board().TileCount() > 0; ++guard) {
            if (!RemoveAPair()) {
                round().ShuffleBoard();
            }
        }
        if (board().TileCount() > 0) {
            ADD_FAILURE() << "the board did not clear";
        }
    }

    // The names of the effects played, without their folder ("lianjie.wav").
    QStringList Sounds() const
    {
        QStringList names;
        for (const QString& path : effects.played) {
            names.append(QFileInfo(path).fileName());
        }
        return names;
    }

    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.shown) {
            texts.append(box.text);
        }
        return texts;
    }
};

} // namespace daz::testing

#pragma once

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
#include "game/GameFlow.h"
#include "presentation/GameParts.h"
#include "presentation/ProblemTexts.h"

namespace daz::testing {

// The game's flow and the parts the main window shows, on a temporary
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
    std::unique_ptr<GameFlow> flow;
    std::unique_ptr<GameParts> parts;

    // Builds the flow as the mode chooser would, without its load step:
    // on the test's program folder, or on the folders given.
    GameFlow& Make(int mode, std::optional<DataFolders> folders = std::nullopt)
    {
        parts.reset();
        flow = std::make_unique<GameFlow>(folders ? *folders : DataFolders(folder.Path()),
                                          FlowServices{boxes, desktop, effects, music, timers, random, problems}, mode);
        parts = std::make_unique<GameParts>(*flow, timers, motionRandom);
        return *flow;
    }
    // … and runs the load step.
    GameFlow& Start(int mode)
    {
        Make(mode).Load();
        return *flow;
    }

    Round& round() { return flow->GetRound(); }
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

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
#include "presentation/MainController.h"

namespace daz::testing {

// The main window's model on a temporary program folder, with every
// platform service faked: tests click, tick timers and read back.
struct GameHarness {
    TestProgramFolder folder;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    FakeEffectPlayer effects;
    FakeMusicPlayer music;
    FakeTimerFactory timers;
    FakeClock clock;
    Random random{20061004, [this] { return clock.seconds; }};
    ProgramState state;
    std::unique_ptr<MainController> controller;

    // Builds the controller as the mode chooser would, and runs its load step.
    MainController& Start(int mode)
    {
        state.GameMode = static_cast<std::int16_t>(mode);
        controller = std::make_unique<MainController>(
            folder.Path(), state, MainServices{boxes, desktop, effects, music, timers, random});
        controller->Load();
        return *controller;
    }

    Game& game() { return controller->GetGame(); }
    const Board& board() { return game().GetBoard(); }

    // A left (or other) click on the tile of a cell, as the mouse makes it:
    // it moves over the tile first, then presses the hover mask.
    void Click(int cellNumber, MouseButton button = MouseButton::Left)
    {
        game().HoverTile(cellNumber);
        game().PressHoverMask(button);
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
        const auto pair = state.GameMode == 1 ? EqualPair() : LinkablePair();
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
                game().ShuffleBoard();
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

#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <Qt>

#include "game/GameState.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/DataFolders.h"
#include "platform/Audio.h"

namespace daz {

// What the mode chooser does, without the window: five entries (the four
// game modes and "退出游戏"), a description line that follows the pointer,
// dragging the window by its background, and choosing.
//
// Positions are in the window's own units, twips (15 to a pixel).
class ModeChooser {
    Q_DECLARE_TR_FUNCTIONS(daz::ModeChooser)

public:
    struct Entry {
        int index; // 1 … 4 the game mode, 0 the exit entry
        QString text;
        int top;
        QString description;
    };

    // Every entry has the same left edge and size.
    static constexpr int kEntryLeft = 1680;
    static constexpr int kEntryWidth = 1800;
    static constexpr int kEntryHeight = 435;
    static constexpr QRect kDescriptionRect{720, 4920, 3855, 375};

    // Text colours, 0x00BBGGRR.
    static constexpr unsigned kRestColour = 0xFF8080;  // light blue
    static constexpr unsigned kHoverColour = 0x0080FF; // orange
    static constexpr unsigned kDescriptionColour = 0x0000FF;

    // The entries from top to bottom: modes 1 … 4, then the exit entry 0,
    // worded in the language the program speaks now.
    static std::array<Entry, 5> Entries();
    static Entry EntryAt(int index);
    static QRect EntryRect(int index);

    // What the description line shows while no entry is described.
    static QString RestingCredit();

    ModeChooser(platform::EffectPlayer& effects, DataFolders folders);

    // --- The mouse over the window's background (x, y in twips) ----------
    void MouseDownBackground(Qt::MouseButton button, float x, float y);
    void MouseMoveBackground(Qt::MouseButtons buttons, float x, float y);
    void MouseUpBackground();

    // --- The mouse over entry `index` --------------------------------------
    void MouseMoveEntry(int index);
    // Any button chooses.
    void MouseDownEntry(int index);

    // --- The keyboard ------------------------------------------------------
    // Up/Down or Tab: the next (step 1) or previous (step -1) entry, in
    // the order shown and round again, lights up and is described just as
    // when the pointer reaches it. The first key starts from the top (or,
    // going back, from the bottom); after the pointer lit an entry, the
    // keys go on from that one.
    void MoveFocus(int step);
    // Return or Space: the lit entry is chosen, as by a click.
    void ChooseFocused();
    // Esc: the program ends, as with "退出游戏".
    void Escape();
    // The entry the keys are on; -1 before any.
    int Focused() const { return focused_ < 0 ? -1 : Entries()[static_cast<std::size_t>(focused_)].index; }

    // --- What the window shows ---------------------------------------------
    unsigned Colour(int index) const;
    const QString& Description() const { return description_; }
    // The description again, in the language installed now.
    void Retranslate();

    // True once the pointer has been over the background: the next entry
    // it reaches lights up and is described.
    bool Armed() const { return armed_; }
    bool Dragging() const { return dragging_; }
    float DragX() const { return dragX_; }
    std::int16_t DragY() const { return dragY_; }

    // --- Calls out -----------------------------------------------------------
    // Move the window by (dx, dy) twips.
    std::function<void(float dx, float dy)> moveWindowBy;
    // GameMode is set: the main window takes over.
    std::function<void(int mode)> modeChosen;
    // "退出游戏": the program ends.
    std::function<void()> exitChosen;
    // Colours or the description changed.
    std::function<void()> changed;

private:
    static bool IsEntry(int index);
    void Changed();
    void LightUp(std::size_t position);

    platform::EffectPlayer& effects_;
    DataFolders folders_;
    HeldFiles held_; // the sound the player reads

    std::array<bool, 5> lit_{};
    QString description_;
    bool armed_ = false;
    int focused_ = -1;    // position in Entries()
    int describing_ = -1; // … of the entry whose description shows; -1 for the credit
    bool dragging_ = false;
    float dragX_ = 0;
    std::int16_t dragY_ = 0;
};

} // namespace daz

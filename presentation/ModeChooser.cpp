#include "ModeChooser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "game/SoundEffects.h"
#include "leveldata/ProgramPaths.h"

namespace daz {

std::array<ModeChooser::Entry, 5> ModeChooser::Entries()
{
    return {{
        {1, tr("简单模式"), 1440,
         tr("只要选择相同花色的牌，就可以成功将对子消除。适合人群：游戏初学者和儿童智力开发！")},
        {2, tr("正常模式"), 2100, tr("经典的连连看模式，只要将相同花色的两张牌用三根以内的直线连在一起就可以消除。")},
        // The designer's words, and what the mode does.
        {3, tr("挑战模式"), 2760,
         tr("作者最新开发设计，对经典的连连看作了最新的修改，游戏的可玩性增强了。消除后牌会下落！")},
        {4, tr("极限模式"), 3420, tr("每消除一对牌的最长思考时间为60秒，你想挑战时间的极限吗？")},
        {0, tr("退出游戏"), 4080, tr("游戏还没开始呢，真的要退出游戏吗？")},
    }};
}

ModeChooser::Entry ModeChooser::EntryAt(int index)
{
    for (const Entry& entry : Entries()) {
        if (entry.index == index) {
            return entry;
        }
    }
    throw std::out_of_range("no mode chooser entry " + std::to_string(index));
}

QRect ModeChooser::EntryRect(int index)
{
    return {kEntryLeft, EntryAt(index).top, kEntryWidth, kEntryHeight};
}

QString ModeChooser::RestingCredit()
{
    return tr("霁岚连连看 · 祝你玩得开心");
}

ModeChooser::ModeChooser(platform::EffectPlayer& effects, DataFolders folders)
    : effects_(effects), folders_(std::move(folders)), description_(RestingCredit())
{
}

bool ModeChooser::IsEntry(int index)
{
    return index >= 0 && index < static_cast<int>(std::tuple_size_v<decltype(Entries())>);
}

void ModeChooser::Changed()
{
    if (changed) {
        changed();
    }
}

void ModeChooser::MouseDownBackground(Qt::MouseButton button, float x, float y)
{
    if (button != Qt::LeftButton) {
        return;
    }
    dragging_ = true;
    dragX_ = x;
    // The row is kept as a whole number of twips, rounded half to even.
    constexpr float lowest = std::numeric_limits<std::int16_t>::min();
    constexpr float highest = std::numeric_limits<std::int16_t>::max();
    dragY_ = static_cast<std::int16_t>(std::nearbyint(std::clamp(y, lowest, highest)));
}

void ModeChooser::MouseMoveBackground(Qt::MouseButtons buttons, float x, float y)
{
    if (!armed_) {
        lit_.fill(false);
        description_ = RestingCredit();
        describing_ = -1;
        armed_ = true;
        Changed();
    }
    if (buttons == Qt::LeftButton && dragging_ && moveWindowBy) {
        // x and y are measured from the window's current corner, so the
        // window follows the pointer however often this runs.
        moveWindowBy(x - dragX_, y - static_cast<float>(dragY_));
    }
}

void ModeChooser::MouseUpBackground()
{
    dragging_ = false;
}

void ModeChooser::MouseMoveEntry(int index)
{
    if (!armed_ || !IsEntry(index)) {
        return;
    }
    const auto entries = Entries();
    for (std::size_t position = 0; position < entries.size(); ++position) {
        if (entries[position].index == index) {
            LightUp(position);
        }
    }
}

void ModeChooser::LightUp(std::size_t position)
{
    const Entry entry = Entries()[position];
    // The hover sound plays even when the player has switched effects off:
    // the switch is not known until the main window opens.
    const QString path = folders_.Find(SoundFile(SoundEffect::Select));
    if (const QString held = held_.Hold(folders_.RootOf(path), path, kMediaFileBudget); !held.isEmpty()) {
        effects_.Play(held);
    }
    lit_.fill(false);
    lit_[static_cast<std::size_t>(entry.index)] = true;
    description_ = entry.description;
    describing_ = static_cast<int>(position);
    focused_ = static_cast<int>(position);
    armed_ = false;
    Changed();
}

void ModeChooser::Retranslate()
{
    description_ = describing_ < 0 ? RestingCredit() : Entries()[static_cast<std::size_t>(describing_)].description;
    Changed();
}

void ModeChooser::MoveFocus(int step)
{
    const int count = static_cast<int>(std::tuple_size_v<decltype(Entries())>);
    const int position = focused_ < 0 ? (step > 0 ? 0 : count - 1) : ((focused_ + step) % count + count) % count;
    LightUp(static_cast<std::size_t>(position));
}

void ModeChooser::ChooseFocused()
{
    if (focused_ >= 0) {
        MouseDownEntry(Entries()[static_cast<std::size_t>(focused_)].index);
    }
}

void ModeChooser::Escape()
{
    if (exitChosen) {
        exitChosen();
    }
}

void ModeChooser::MouseDownEntry(int index)
{
    if (index == 0) {
        if (exitChosen) {
            exitChosen();
        }
        return;
    }
    if (!IsEntry(index)) {
        return;
    }
    if (modeChosen) {
        modeChosen(index);
    }
}

unsigned ModeChooser::Colour(int index) const
{
    return IsEntry(index) && lit_[static_cast<std::size_t>(index)] ? kHoverColour : kRestColour;
}

} // namespace daz

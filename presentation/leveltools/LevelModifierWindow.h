#pragma once

#include "LevelToolWindow.h"
#include "leveltools/LevelModifier.h"

namespace daz {

// The level modifier's window: the level list and the fields of the chosen
// level over the background picture, two "…" buttons, 确定 and 关闭. What
// the modifier does is LevelModifier's; the window stays open after saving.
class LevelModifierWindow : public LevelToolWindow {
    Q_OBJECT

public:
    // Reads the catalogue anew.
    LevelModifierWindow(LevelToolContext& context, QWidget* parent);

    const LevelModifier& Modifier() const { return modifier_; }

private:
    tools::WindowTable Table() override;
    // The level list shows the chosen level too.
    void Push() override;
    void Confirm() override;
    void LevelChosen(int index);
    // The level list's names too follow the language.
    void changeEvent(QEvent* event) override;

    LevelModifier modifier_;
};

} // namespace daz

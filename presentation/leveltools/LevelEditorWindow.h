#pragma once

#include "LevelToolWindow.h"
#include "leveltools/LevelEditor.h"

namespace daz {

// The level editor's window: the entry fields of a new level over the
// background picture, three "…" buttons, 确定 and 关闭. What the editor
// does is LevelEditor's; 确定 closes the window once the level is made.
class LevelEditorWindow : public LevelToolWindow {
    Q_OBJECT

public:
    LevelEditorWindow(LevelToolContext& context, QWidget* parent);

    const LevelEditor& Editor() const { return editor_; }

private:
    tools::WindowTable Table() override;
    void Confirm() override;
    // The folder chooser's path, into the source field; cancelling keeps it.
    void ChooseSourceFolder();
    // Names for the pictures of the source folder, in the player's language.
    void NamePictures();

    LevelToolContext& context_;
    LevelEditor editor_;
};

} // namespace daz

#pragma once

#include "leveltools/LevelToolContext.h"

class QWidget;

namespace daz {

// The main menu's level tools. Each opens its window modally over parent
// and returns when the window is closed. The context is built from the
// main window's parts, for instance
//   platform::QtDialogs dialogs(window);
//   LevelToolContext context{flow.Ini(), boxes, dialogs};

// "霁岚--关卡编辑器". True when a new level was made; the caller lists it
// in the level menu.
bool OpenLevelEditor(QWidget* parent, LevelToolContext& context);

// "霁岚--关卡修改器".
void OpenLevelModifier(QWidget* parent, LevelToolContext& context);

} // namespace daz

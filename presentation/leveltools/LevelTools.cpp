#include "LevelTools.h"

#include "LevelEditorWindow.h"
#include "LevelModifierWindow.h"

namespace daz {

bool OpenLevelEditor(QWidget* parent, LevelToolContext& context)
{
    LevelEditorWindow window(context, parent);
    return window.exec() == QDialog::Accepted;
}

void OpenLevelModifier(QWidget* parent, LevelToolContext& context)
{
    LevelModifierWindow window(context, parent);
    window.exec();
}

} // namespace daz

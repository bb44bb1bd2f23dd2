#include "LevelTools.h"

#include "FrmGKEdit.h"
#include "FrmGKXG.h"

namespace daz {

bool OpenLevelEditor(QWidget* parent, LevelToolContext& context)
{
    FrmGKEdit window(context, parent);
    return window.exec() == QDialog::Accepted;
}

void OpenLevelModifier(QWidget* parent, LevelToolContext& context)
{
    FrmGKXG window(context, parent);
    window.exec();
}

} // namespace daz

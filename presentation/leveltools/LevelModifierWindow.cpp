#include "LevelModifierWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QSignalBlocker>

#include "presentation/LevelNames.h"
#include "presentation/ProblemTexts.h"

namespace daz {

using namespace tools;

LevelModifierWindow::LevelModifierWindow(LevelToolContext& context, QWidget* parent)
    : LevelToolWindow(parent), modifier_(context)
{
    Build(Table());

    if (const Catalogue catalogue = modifier_.Load(); catalogue.HasProblems()) {
        platform::Tell(context.boxes, CatalogueProblemText(catalogue));
    }
    QComboBox* levels = List(Role::LevelList);
    levels->addItems(modifier_.LevelItems(LevelName));
    Push();
    connect(levels, &QComboBox::currentIndexChanged, this, &LevelModifierWindow::LevelChosen);
}

tools::WindowTable LevelModifierWindow::Table()
{
    namespace layout = toolwindow::modifier;
    constexpr int kNumber = LevelModifier::kNumberMaxLength;
    LevelModifier& m = modifier_;
    LevelModifier::Fields& f = modifier_.fields;
    // The fields in tab order; each "…" button follows its field.
    return {tr("霁岚关卡修改器1.0.0"),
            layout::kWidth,
            layout::kHeight,
            QStringLiteral("modifier-background.png"),
            {
                LevelListField(layout::cobGKName),
                TextField(Role::MaxX, layout::txtMaxX, tr("横向列数"), f.maxX, kNumber),
                TextField(Role::MaxY, layout::txtMaxY, tr("纵向行数"), f.maxY, kNumber),
                SwatchField(layout::picGBackColor, f.backColour, [&m] { m.ChooseColour(); }),
                TextField(Role::Background, layout::txtGGameBack, tr("背景图片"), f.background),
                OpenButton(Role::BackgroundButton, layout::ComGGameBack, tr("选择背景图片"),
                           [&m] { m.ChooseBackground(); }),
                TextField(Role::Music, layout::txtGMedia, tr("背景音乐"), f.music),
                OpenButton(Role::MusicButton, layout::ComGMedia, tr("选择背景音乐"), [&m] { m.ChooseMusic(); }),
                EffectField(layout::CobList, f.particle),
                OkField(layout::ComOK),
                EscField(layout::ComESC),
            },
            tr("霁岚关卡修改器"),
            tr("调整关卡的大小、背景、音乐和飘动效果"),
            {
                {layout::sizeNote, tr("列数、行数为 1～19，至少一个是偶数")},
                {layout::colourNote, tr("点色块选择颜色；有背景图片时用图片")},
            }};
}

void LevelModifierWindow::Push()
{
    {
        QComboBox* levels = List(Role::LevelList);
        const QSignalBlocker quiet(levels);
        levels->setCurrentIndex(modifier_.ChosenLevel());
    }
    LevelToolWindow::Push();
}

void LevelModifierWindow::changeEvent(QEvent* event)
{
    // The shipped levels by their names in the language installed now.
    if (event->type() == QEvent::LanguageChange) {
        QComboBox* levels = List(Role::LevelList);
        const QStringList items = modifier_.LevelItems(LevelName);
        for (int i = 0; levels && i < levels->count() && i < items.size(); ++i) {
            levels->setItemText(i, items[i]);
        }
    }
    LevelToolWindow::changeEvent(event);
}

void LevelModifierWindow::LevelChosen(int index)
{
    Pull();
    modifier_.ChooseLevel(index);
    Push();
}

void LevelModifierWindow::Confirm()
{
    Pull();
    const LevelModifier::Result result = modifier_.Save();
    if (result.outcome == LevelModifier::Outcome::Refused) {
        FocusRefused(result.refusal);
    }
}

} // namespace daz

#include "LevelEditorWindow.h"

#include "FolderChooserWindow.h"
#include "PictureNamesWindow.h"
#include "presentation/GameTexts.h"

namespace daz {

using namespace tools;

LevelEditorWindow::LevelEditorWindow(LevelToolContext& context, QWidget* parent)
    : LevelToolWindow(parent), context_(context), editor_(context)
{
    Build(Table());
    Push();
}

tools::WindowTable LevelEditorWindow::Table()
{
    namespace layout = toolwindow::editor;
    constexpr int kNumber = LevelEditor::kNumberMaxLength;
    LevelEditor& e = editor_;
    LevelEditor::Fields& f = editor_.fields;
    // The fields in tab order; each "…" button follows its field.
    return {tr("霁岚关卡编辑器2.0.0"),
            layout::kWidth,
            layout::kHeight,
            QStringLiteral("editor-background.png"),
            {
                TextField(Role::LevelName, layout::txtGName, tr("关卡名称"), f.name, LevelEditor::kNameMaxLength),
                ChosenField(Role::SourceFolder, layout::txtGPath, tr("图片目录"), f.sourceFolder),
                OpenButton(Role::SourceButton, layout::ComtGPath, tr("选择图片目录"), [this] { ChooseSourceFolder(); }),
                TextField(Role::PhotoSum, layout::txtGPhotoSum, tr("图片张数"), f.photoSum, kNumber),
                TextField(Role::MaxX, layout::txtGMaxX, tr("横向列数"), f.maxX, kNumber),
                TextField(Role::MaxY, layout::txtGMaxY, tr("纵向行数"), f.maxY, kNumber),
                SwatchField(layout::picGBackColor, f.backColour, [&e] { e.ChooseColour(); }),
                ChosenField(Role::Background, layout::txtGGameBack, tr("背景图片"), f.background),
                OpenButton(Role::BackgroundButton, layout::ComGGameBack, tr("选择背景图片"),
                           [&e] { e.ChooseBackground(); }),
                ChosenField(Role::Music, layout::txtGMedia, tr("背景音乐"), f.music),
                OpenButton(Role::MusicButton, layout::ComGMedia, tr("选择背景音乐"), [&e] { e.ChooseMusic(); }),
                EffectField(layout::CobList, f.particle),
                Captioned(TextField(Role::Maker, layout::txtQM, tr("制作者"), f.maker, LevelEditor::kMakerMaxLength),
                          tr("制 作 者")),
                NamesField(layout::ComGNames, tr("图案名称"), [this] { NamePictures(); }),
                OkField(layout::ComOK),
                EscField(layout::ComESC),
            },
            tr("霁岚关卡编辑器"),
            tr("用你准备好的图片，做一个全新的关卡"),
            {
                {layout::photoSumNote, tr("张，不含 mb1.gif 和 mb2.gif，至少 10 张")},
                {layout::sizeNote, tr("列数、行数为 1～19，至少一个是偶数")},
                {layout::colourNote, tr("点色块选择颜色；有背景图片时用图片")},
                {layout::makerNote, tr("可以不填")},
            }};
}

void LevelEditorWindow::ChooseSourceFolder()
{
    if (const auto folder = FolderChooserWindow::Choose(this, context_.Folders().Player(), context_.boxes)) {
        editor_.fields.sourceFolder = *folder;
    }
}

void LevelEditorWindow::NamePictures()
{
    Pull();
    LevelEditor::Fields& f = editor_.fields;
    QStringList& names = f.names.byLanguage[PictureNamesLanguage()];
    PictureNamesWindow window(f.sourceFolder, editor_.NameablePictures(), names, this);
    if (window.exec() == QDialog::Accepted) {
        names = window.Names();
    }
    if (names.isEmpty()) {
        f.names.byLanguage.remove(PictureNamesLanguage());
    }
}

void LevelEditorWindow::Confirm()
{
    Pull();
    const LevelEditor::Result result = editor_.Accept();
    switch (result.outcome) {
    case LevelEditor::Outcome::Refused: FocusRefused(result.refusal); break;
    case LevelEditor::Outcome::Created: accept(); break;
    case LevelEditor::Outcome::Failed: break; // the window stays open with its entries
    }
}

} // namespace daz

#include "FrmGKEdit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "FrmDrive.h"
#include "ToolWidgets.h"

namespace daz {
namespace {

namespace layout = toolwindow::editor;
using tools::MakeField;
using tools::MakePictureButton;
using tools::PictureButton;
using tools::ToQRect;

constexpr int kNumber = LevelEditor::kNumberMaxLength;
const QString kOpen = QStringLiteral("open");
const QString kOkText = QStringLiteral("确定");
const QString kCloseText = QStringLiteral("关闭");

} // namespace

FrmGKEdit::FrmGKEdit(LevelToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context), editor_(context)
{
    setWindowTitle(Caption());
    setFixedSize(layout::kWidth, layout::kHeight);
    setMouseTracking(true);
    background_ = tools::ToolPicture(QStringLiteral("editor-background.png"));

    // Created in tab order.
    txtGName_ = MakeField(this, layout::txtGName, LevelEditor::kNameMaxLength, false, QStringLiteral("关卡名称"));
    txtGPath_ = MakeField(this, layout::txtGPath, 0, true, QStringLiteral("图片目录"));
    txtGPhotoSum_ = MakeField(this, layout::txtGPhotoSum, kNumber, false, QStringLiteral("图片张数"));
    txtGMaxX_ = MakeField(this, layout::txtGMaxX, kNumber, false, QStringLiteral("横向列数"));
    txtGMaxY_ = MakeField(this, layout::txtGMaxY, kNumber, false, QStringLiteral("纵向行数"));
    swatch_ = new tools::ColourSwatch(this);
    swatch_->setGeometry(ToQRect(layout::picGBackColor));
    txtGGameBack_ = MakeField(this, layout::txtGGameBack, 0, true, QStringLiteral("背景图片"));
    txtGMedia_ = MakeField(this, layout::txtGMedia, 0, true, QStringLiteral("背景音乐"));
    cobList_ = new QComboBox(this);
    cobList_->setGeometry(ToQRect(layout::CobList));
    cobList_->addItems(ParticleEffectNames());
    cobList_->setAccessibleName(QStringLiteral("飘动效果"));
    txtQM_ = MakeField(this, layout::txtQM, LevelEditor::kMakerMaxLength, false, QStringLiteral("制作者"));

    comtGPath_ = MakePictureButton(this, layout::ComtGPath, kOpen, QStringLiteral("选择图片目录"));
    comGGameBack_ = MakePictureButton(this, layout::ComGGameBack, kOpen, QStringLiteral("选择背景图片"));
    comGMedia_ = MakePictureButton(this, layout::ComGMedia, kOpen, QStringLiteral("选择背景音乐"));
    comOK_ = MakePictureButton(this, layout::ComOK, QStringLiteral("ok"), kOkText);
    comESC_ = MakePictureButton(this, layout::ComESC, QStringLiteral("esc"), kCloseText);

    connect(comtGPath_, &QAbstractButton::clicked, this, &FrmGKEdit::ChooseSourceFolder);
    connect(comGGameBack_, &QAbstractButton::clicked, this, [this] {
        Pull();
        editor_.ChooseBackground();
        Push();
    });
    connect(comGMedia_, &QAbstractButton::clicked, this, [this] {
        Pull();
        editor_.ChooseMusic();
        Push();
    });
    connect(swatch_, &tools::ColourSwatch::clicked, this, [this] {
        Pull();
        editor_.ChooseColour();
        Push();
    });
    connect(comOK_, &QAbstractButton::clicked, this, &FrmGKEdit::Create);
    connect(comESC_, &QAbstractButton::clicked, this, &QDialog::reject);

    // Each "…" button follows its field.
    tools::ChainTabOrder({txtGName_, txtGPath_, comtGPath_, txtGPhotoSum_, txtGMaxX_, txtGMaxY_, swatch_, txtGGameBack_, comGGameBack_,
                          txtGMedia_, comGMedia_, cobList_, txtQM_, comOK_, comESC_});

    Push();
}

FrmGKEdit::~FrmGKEdit() = default;

void FrmGKEdit::Pull()
{
    LevelEditor::Fields& f = editor_.fields;
    f.name = txtGName_->text();
    f.sourceFolder = txtGPath_->text();
    f.photoSum = txtGPhotoSum_->text();
    f.maxX = txtGMaxX_->text();
    f.maxY = txtGMaxY_->text();
    f.background = txtGGameBack_->text();
    f.music = txtGMedia_->text();
    f.particle = cobList_->currentIndex();
    f.maker = txtQM_->text();
}

void FrmGKEdit::Push()
{
    const LevelEditor::Fields& f = editor_.fields;
    txtGName_->setText(f.name);
    txtGPath_->setText(f.sourceFolder);
    txtGPhotoSum_->setText(f.photoSum);
    txtGMaxX_->setText(f.maxX);
    txtGMaxY_->setText(f.maxY);
    swatch_->SetColour(f.backColour);
    txtGGameBack_->setText(f.background);
    txtGMedia_->setText(f.music);
    cobList_->setCurrentIndex(f.particle);
    txtQM_->setText(f.maker);
}

void FrmGKEdit::ChooseSourceFolder()
{
    if (const auto folder = FrmDrive::Choose(this, context_.Folders().Player(), context_.boxes))
        txtGPath_->setText(*folder);
}

void FrmGKEdit::Create()
{
    Pull();
    const LevelEditor::Result result = editor_.Accept();
    switch (result.outcome) {
    case LevelEditor::Outcome::Refused:
        tools::FocusField(FieldWidget(result.refusal.caret), result.refusal.select);
        break;
    case LevelEditor::Outcome::Created:
        accept();
        break;
    case LevelEditor::Outcome::Failed:
        break; // the window stays open with its entries
    }
}

QWidget* FrmGKEdit::FieldWidget(ToolField field) const
{
    switch (field) {
    case ToolField::LevelName: return txtGName_;
    case ToolField::SourceFolder: return txtGPath_;
    case ToolField::PhotoSum: return txtGPhotoSum_;
    case ToolField::MaxX: return txtGMaxX_;
    case ToolField::MaxY: return txtGMaxY_;
    case ToolField::Background: return txtGGameBack_;
    case ToolField::Music: return txtGMedia_;
    case ToolField::Maker: return txtQM_;
    case ToolField::LevelList:
    case ToolField::None: break;
    }
    return nullptr;
}

void FrmGKEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), background_);
}

void FrmGKEdit::mouseMoveEvent(QMouseEvent* event)
{
    for (PictureButton* button : {comtGPath_, comGGameBack_, comGMedia_, comOK_, comESC_})
        button->ShowRest();
    QDialog::mouseMoveEvent(event);
}

void FrmGKEdit::keyPressEvent(QKeyEvent* event)
{
    if (!tools::PressForReturn(*event, focusWidget(), comOK_))
        QDialog::keyPressEvent(event);
}

} // namespace daz

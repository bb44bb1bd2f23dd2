#include "FrmGKXG.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "ToolWidgets.h"

namespace daz {
namespace {

namespace layout = toolwindow::modifier;
using tools::MakeField;
using tools::MakePictureButton;
using tools::PictureButton;
using tools::ToQRect;

constexpr int kNumber = LevelModifier::kNumberMaxLength;
const QString kOpen = QStringLiteral("open");
const QString kOkText = QStringLiteral("确定");
const QString kCloseText = QStringLiteral("关闭");

} // namespace

FrmGKXG::FrmGKXG(LevelToolContext& context, QWidget* parent) : QDialog(parent), modifier_(context)
{
    setWindowTitle(Caption());
    setFixedSize(layout::kWidth, layout::kHeight);
    setMouseTracking(true);
    background_ = tools::ToolPicture(QStringLiteral("modifier-background.png"));

    cobGKName_ = new QComboBox(this);
    cobGKName_->setGeometry(ToQRect(layout::cobGKName));
    cobGKName_->setAccessibleName(QStringLiteral("选择关卡"));
    txtMaxX_ = MakeField(this, layout::txtMaxX, kNumber, false, QStringLiteral("横向列数"));
    txtMaxY_ = MakeField(this, layout::txtMaxY, kNumber, false, QStringLiteral("纵向行数"));
    swatch_ = new tools::ColourSwatch(this);
    swatch_->setGeometry(ToQRect(layout::picGBackColor));
    txtGGameBack_ = MakeField(this, layout::txtGGameBack, 0, false, QStringLiteral("背景图片"));
    txtGMedia_ = MakeField(this, layout::txtGMedia, 0, false, QStringLiteral("背景音乐"));
    cobList_ = new QComboBox(this);
    cobList_->setGeometry(ToQRect(layout::CobList));
    cobList_->addItems(ParticleEffectNames());
    cobList_->setAccessibleName(QStringLiteral("飘动效果"));

    comGGameBack_ = MakePictureButton(this, layout::ComGGameBack, kOpen, QStringLiteral("选择背景图片"));
    comGMedia_ = MakePictureButton(this, layout::ComGMedia, kOpen, QStringLiteral("选择背景音乐"));
    comOK_ = MakePictureButton(this, layout::ComOK, QStringLiteral("ok"), kOkText);
    comESC_ = MakePictureButton(this, layout::ComESC, QStringLiteral("esc"), kCloseText);

    modifier_.Load();
    cobGKName_->addItems(modifier_.LevelItems());
    Push();

    connect(cobGKName_, &QComboBox::currentIndexChanged, this, &FrmGKXG::LevelChosen);
    connect(comGGameBack_, &QAbstractButton::clicked, this, [this] {
        Pull();
        modifier_.ChooseBackground();
        Push();
    });
    connect(comGMedia_, &QAbstractButton::clicked, this, [this] {
        Pull();
        modifier_.ChooseMusic();
        Push();
    });
    connect(swatch_, &tools::ColourSwatch::clicked, this, [this] {
        Pull();
        modifier_.ChooseColour();
        Push();
    });
    connect(comOK_, &QAbstractButton::clicked, this, &FrmGKXG::Save);
    connect(comESC_, &QAbstractButton::clicked, this, &QDialog::reject);

    // Each "…" button follows its field.
    tools::ChainTabOrder({cobGKName_, txtMaxX_, txtMaxY_, swatch_, txtGGameBack_, comGGameBack_, txtGMedia_, comGMedia_,
                          cobList_, comOK_, comESC_});
}

FrmGKXG::~FrmGKXG() = default;

void FrmGKXG::Pull()
{
    LevelModifier::Fields& f = modifier_.fields;
    f.maxX = txtMaxX_->text();
    f.maxY = txtMaxY_->text();
    f.background = txtGGameBack_->text();
    f.music = txtGMedia_->text();
    f.particle = cobList_->currentIndex();
}

void FrmGKXG::Push()
{
    const LevelModifier::Fields& f = modifier_.fields;
    {
        const QSignalBlocker quiet(cobGKName_);
        cobGKName_->setCurrentIndex(modifier_.ChosenLevel());
    }
    txtMaxX_->setText(f.maxX);
    txtMaxY_->setText(f.maxY);
    swatch_->SetColour(f.backColour);
    txtGGameBack_->setText(f.background);
    txtGMedia_->setText(f.music);
    cobList_->setCurrentIndex(f.particle);
}

void FrmGKXG::LevelChosen(int index)
{
    Pull();
    modifier_.ChooseLevel(index);
    Push();
}

void FrmGKXG::Save()
{
    Pull();
    const LevelModifier::Result result = modifier_.Save();
    if (result.outcome == LevelModifier::Outcome::Refused)
        tools::FocusField(FieldWidget(result.refusal.caret), result.refusal.select);
}

QWidget* FrmGKXG::FieldWidget(ToolField field) const
{
    switch (field) {
    case ToolField::LevelList: return cobGKName_;
    case ToolField::MaxX: return txtMaxX_;
    case ToolField::MaxY: return txtMaxY_;
    case ToolField::Background: return txtGGameBack_;
    case ToolField::Music: return txtGMedia_;
    case ToolField::LevelName:
    case ToolField::SourceFolder:
    case ToolField::PhotoSum:
    case ToolField::Maker:
    case ToolField::None: break;
    }
    return nullptr;
}

void FrmGKXG::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), background_);
}

void FrmGKXG::mouseMoveEvent(QMouseEvent* event)
{
    for (PictureButton* button : {comGGameBack_, comGMedia_, comOK_, comESC_})
        button->ShowRest();
    QDialog::mouseMoveEvent(event);
}

void FrmGKXG::keyPressEvent(QKeyEvent* event)
{
    if (!tools::PressForReturn(*event, focusWidget(), comOK_))
        QDialog::keyPressEvent(event);
}

} // namespace daz

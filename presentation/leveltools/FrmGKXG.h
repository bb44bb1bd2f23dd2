#pragma once

#include <QDialog>

#include "leveltools/LevelModifier.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QPaintEvent;

namespace daz {

namespace tools {
class ColourSwatch;
class PictureButton;
} // namespace tools

// The level modifier's window: the level list, the fields laid over the
// background picture, and four picture buttons. What the modifier does is
// LevelModifier's; the window shows its fields and passes the clicks.
class FrmGKXG : public QDialog {
    Q_OBJECT

public:
    // Reads the catalogue anew.
    FrmGKXG(LevelToolContext& context, QWidget* parent);
    ~FrmGKXG() override;

    static QString Caption() { return QStringLiteral("霁岚关卡修改器1.0.0"); }

    QComboBox* LevelList() const { return cobGKName_; }
    QLineEdit* MaxXField() const { return txtMaxX_; }
    QLineEdit* MaxYField() const { return txtMaxY_; }
    QLineEdit* BackgroundField() const { return txtGGameBack_; }
    QLineEdit* MusicField() const { return txtGMedia_; }
    QComboBox* EffectList() const { return cobList_; }
    tools::ColourSwatch* Swatch() const { return swatch_; }
    tools::PictureButton* BackgroundButton() const { return comGGameBack_; }
    tools::PictureButton* MusicButton() const { return comGMedia_; }
    tools::PictureButton* OkButton() const { return comOK_; }
    tools::PictureButton* EscButton() const { return comESC_; }
    const LevelModifier& Modifier() const { return modifier_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Pull();
    void Push();
    void LevelChosen(int index);
    void Save();
    QWidget* FieldWidget(ToolField field) const;

    LevelModifier modifier_;
    QPixmap background_;
    QComboBox* cobGKName_;
    QLineEdit* txtMaxX_;
    QLineEdit* txtMaxY_;
    tools::ColourSwatch* swatch_;
    QLineEdit* txtGGameBack_;
    QLineEdit* txtGMedia_;
    QComboBox* cobList_;
    tools::PictureButton* comGGameBack_;
    tools::PictureButton* comGMedia_;
    tools::PictureButton* comOK_;
    tools::PictureButton* comESC_;
};

} // namespace daz

#pragma once

#include <QDialog>

#include "leveltools/LevelEditor.h"

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

// The level editor's window: a background picture with the field captions,
// the entry fields laid over it, and five picture buttons. What the editor
// does is LevelEditor's; the window shows its fields and passes the clicks.
class FrmGKEdit : public QDialog {
    Q_OBJECT

public:
    FrmGKEdit(LevelToolContext& context, QWidget* parent);
    ~FrmGKEdit() override;

    static QString Caption() { return QStringLiteral("霁岚关卡编辑器2.0.0"); }

    // The controls, for whoever drives the window.
    QLineEdit* NameField() const { return txtGName_; }
    QLineEdit* SourceField() const { return txtGPath_; }
    QLineEdit* PhotoSumField() const { return txtGPhotoSum_; }
    QLineEdit* MaxXField() const { return txtGMaxX_; }
    QLineEdit* MaxYField() const { return txtGMaxY_; }
    QLineEdit* BackgroundField() const { return txtGGameBack_; }
    QLineEdit* MusicField() const { return txtGMedia_; }
    QComboBox* EffectList() const { return cobList_; }
    QLineEdit* MakerField() const { return txtQM_; }
    tools::ColourSwatch* Swatch() const { return swatch_; }
    tools::PictureButton* SourceButton() const { return comtGPath_; }
    tools::PictureButton* BackgroundButton() const { return comGGameBack_; }
    tools::PictureButton* MusicButton() const { return comGMedia_; }
    tools::PictureButton* OkButton() const { return comOK_; }
    tools::PictureButton* EscButton() const { return comESC_; }
    const LevelEditor& Editor() const { return editor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window's fields into the editor, and back.
    void Pull();
    void Push();
    void ChooseSourceFolder();
    void Create();
    QWidget* FieldWidget(ToolField field) const;

    LevelToolContext& context_;
    LevelEditor editor_;
    QPixmap background_;
    QLineEdit* txtGName_;
    QLineEdit* txtGPath_;
    QLineEdit* txtGPhotoSum_;
    QLineEdit* txtGMaxX_;
    QLineEdit* txtGMaxY_;
    tools::ColourSwatch* swatch_;
    QLineEdit* txtGGameBack_;
    QLineEdit* txtGMedia_;
    QComboBox* cobList_;
    QLineEdit* txtQM_;
    tools::PictureButton* comtGPath_;
    tools::PictureButton* comGGameBack_;
    tools::PictureButton* comGMedia_;
    tools::PictureButton* comOK_;
    tools::PictureButton* comESC_;
};

} // namespace daz

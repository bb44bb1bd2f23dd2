#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QDialog>
#include <QPixmap>
#include <QString>

#include "leveltools/LevelToolChecks.h"
#include "presentation/leveltools/ToolWindowLayout.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPaintEvent;

namespace daz {

class WordsLabel;

namespace tools {

class ColourSwatch;
class PictureButton;

// What a field of a tool window stands for: whoever drives a window reaches
// its fields by it, and a refused entry sends the caret to the field of its
// role.
enum class Role {
    LevelList,
    LevelName,
    SourceFolder,
    SourceButton,
    PhotoSum,
    NamesButton,
    MaxX,
    MaxY,
    Colour,
    Background,
    BackgroundButton,
    Music,
    MusicButton,
    Effect,
    Maker,
    Ok,
    Esc,
};

// How a field is shown.
enum class Kind {
    Text,        // a line edit
    ChosenText,  // a read-only line edit; its "…" button fills it
    LevelList,   // the catalogue's levels, filled by the window
    EffectList,  // the six particle effects
    Swatch,      // the board colour; a click asks for another
    OpenButton,  // a "…" picture button
    NamesButton, // 图案名称, in the row of 确定 and 关闭
    OkButton,    // 确定
    EscButton,   // 关闭, which closes the window as Esc does
};

// One line of a window's table: where the field lies, the name screen
// readers give it (a field that is no button has it as its caption too, a
// label at its left), and what of the model it shows or asks for.
struct Field {
    Role role;
    Kind kind;
    toolwindow::Rect rect;
    QString name;
    int maxLength = 0;                 // a line edit's longest text; 0 leaves it open
    QString* text = nullptr;           // a line edit's text in the model
    std::int32_t* colour = nullptr;    // the swatch's colour in the model
    int* effect = nullptr;             // the effect list's choice in the model
    std::function<void()> choose = {}; // what a "…" button or the swatch asks of the model
    QString caption = {};              // the caption where it reads otherwise than the name
};

// A line of words beside or under the fields.
struct Note {
    toolwindow::Rect rect;
    QString text;
};

// The lines of the tables, as they are written.
Field TextField(Role role, const toolwindow::Rect& rect, const QString& name, QString& text, int maxLength = 0);
Field ChosenField(Role role, const toolwindow::Rect& rect, const QString& name, QString& text);
Field OpenButton(Role role, const toolwindow::Rect& rect, const QString& name, std::function<void()> choose);
Field NamesField(const toolwindow::Rect& rect, const QString& name, std::function<void()> choose);
Field SwatchField(const toolwindow::Rect& rect, std::int32_t& colour, std::function<void()> choose);
Field EffectField(const toolwindow::Rect& rect, int& effect);
Field LevelListField(const toolwindow::Rect& rect);
Field OkField(const toolwindow::Rect& rect);
Field EscField(const toolwindow::Rect& rect);
Field Captioned(Field field, const QString& caption);

// A window's table: its title, its size and background picture (one of the
// program's resources), its fields in tab order, and the words over the
// picture: the heading and the line under it in the header band, and the
// notes.
struct WindowTable {
    QString title;
    int width;
    int height;
    QString background;
    std::vector<Field> fields;
    QString heading;
    QString subtitle;
    std::vector<Note> notes;
};

} // namespace tools

// A level tool's window, laid out by its table: the background picture
// with the fields over it, visited by Tab in the table's order. A "…"
// button or the swatch hands the fields to the model, asks its dialog and
// shows the model's fields again; 确定 is the window's own (Confirm).
// Return presses the button that has the focus, or else 确定; Esc closes
// the window. Over a button its hover picture shows, over the background
// every button's rest picture.
class LevelToolWindow : public QDialog {
    Q_OBJECT

public:
    // The field of a role; nullptr when the window has none.
    QWidget* Widget(tools::Role role) const;
    QLineEdit* Line(tools::Role role) const;
    QComboBox* List(tools::Role role) const;
    tools::PictureButton* Button(tools::Role role) const;
    tools::ColourSwatch* Swatch() const;
    // The caption at the left of a field; nullptr for a button.
    QLabel* Caption(tools::Role role) const;

protected:
    explicit LevelToolWindow(QWidget* parent);

    // The window's table, in the language installed now; it points into
    // the window's model.
    virtual tools::WindowTable Table() = 0;
    // Lays out the table's fields; the window's constructor calls it once,
    // when the model the table points into is made.
    void Build(tools::WindowTable table);

    // The fields into the model, and the model's fields back into them.
    void Pull();
    virtual void Push();
    // 确定.
    virtual void Confirm() = 0;
    // Gives the caret to the field a refusal names.
    void FocusRefused(const Refusal& refusal);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The title and the fields' names again, in the language installed now.
    void changeEvent(QEvent* event) override;

private:
    struct Placed {
        tools::Field field;
        QWidget* widget;
        WordsLabel* caption;
    };
    void Connect(const Placed& placed);
    // The window's words from its table: title, heading, captions, notes,
    // the names screen readers give the fields, and the buttons' pictures.
    void ShowWords(const tools::WindowTable& table);
    // Where a field's caption lies: at its left, up to the field before it
    // on its row or the window's edge.
    QRect CaptionRect(const toolwindow::Rect& field) const;

    std::vector<Placed> fields_;
    WordsLabel* heading_ = nullptr;
    WordsLabel* subtitle_ = nullptr;
    std::vector<WordsLabel*> notes_;
    QPixmap background_;
};

} // namespace daz

#pragma once

#include <cstdint>
#include <initializer_list>

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include "presentation/leveltools/ToolWindowLayout.h"

class QKeyEvent;
class QLineEdit;

namespace daz::tools {

using toolwindow::Rect;

inline QRect ToQRect(const Rect& r) { return {r.x, r.y, r.width, r.height}; }

// A picture of the program's resources by its name ("ok.png"). The
// pictures are compiled into the program: one missing is a fault of the
// build.
QPixmap ToolPicture(const QString& name);

// A button that is only a picture: its rest picture ("A"), and its hover
// picture ("B") while the mouse is over it. The window shows the rest
// pictures again when the mouse moves over its background.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(QPixmap rest, QPixmap hover, const QString& accessibleName, QWidget* parent);
    void ShowRest();
    bool ShowsHover() const { return hover_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    QSize sizeHint() const override { return rest_.deviceIndependentSize().toSize(); }

private:
    QPixmap rest_;
    QPixmap hover_pixmap_;
    bool hover_ = false;
};

// The board colour swatch; a click asks for a new colour.
class ColourSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget* parent);
    void SetColour(std::int32_t bgr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::int32_t colour_ = 0;
};

// A text field placed at its rectangle; maxLength 0 leaves the length open.
QLineEdit* MakeField(QWidget* parent, const Rect& rect, int maxLength, bool readOnly, const QString& accessibleName);

// A picture button at its rectangle, with the pictures picture + ".png" and
// picture + "-hover.png" ("ok" gives ok.png and ok-hover.png).
PictureButton* MakePictureButton(QWidget* parent, const Rect& rect, const QString& picture,
                                 const QString& accessibleName);

// Gives a field the caret, and selects its text when asked to.
void FocusField(QWidget* field, bool select);

// Tab moves through the widgets in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

// Return or Enter in a tool window: presses the button that has the focus,
// or else ok. True when the key was taken. (Esc is the dialog's own: it
// closes the window as 关闭 does.)
bool PressForReturn(const QKeyEvent& event, QWidget* focus, QAbstractButton* ok);

} // namespace daz::tools

#pragma once

#include <cstdint>

#include <QAbstractButton>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QKeyEvent;

namespace daz::tools {

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
    PictureButton(QPixmap rest, QPixmap hover, QWidget* parent);
    // Other pictures of the same size (their words in another language).
    void SetPictures(QPixmap rest, QPixmap hover);
    const QPixmap& RestPicture() const { return rest_; }
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

} // namespace daz::tools

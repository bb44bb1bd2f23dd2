#include "ModeChooserWindow.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "presentation/Contrast.h"
#include "presentation/PictureWords.h"

namespace daz {
namespace {

constexpr int kEntryPixels = 19; // the entries' size where their names fit

// The picture with its title and line in the language installed now.
QPixmap ChooserPicture()
{
    return WithWords(QStringLiteral("chooser.png"), ScreenPicture(QStringLiteral(":/chooser.png")));
}

// Under high contrast the words lie on black, not on the picture.
void SetTextColour(QLabel& label, unsigned bgr)
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, FromBgr(bgr));
    UseOwnPalette(&label, palette, QPalette(), true);
}

} // namespace

ModeChooserWindow::ModeChooserWindow(platform::EffectPlayer& effects, DataFolders folders, QWidget* parent)
    : ShapedWindow(kClientSize, Qt::black, ChooserPicture(), parent),
      chooser_(effects, std::move(folders)),
      description_(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    // The entries have the hand pointer of the toolbar.
    const QCursor pointer = ToolbarPointer();
    for (const auto& entry : ModeChooser::Entries()) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("ImgMode%1").arg(entry.index));
        QFont font = label->font();
        font.setPixelSize(kEntryPixels);
        font.setBold(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(PxRect(ModeChooser::EntryRect(entry.index)));
        label->setCursor(pointer);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        entries_[static_cast<std::size_t>(entry.index)] = label;
    }

    description_->setObjectName(QStringLiteral("LabText"));
    QFont font = description_->font();
    font.setPixelSize(12);
    description_->setFont(font);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignCenter);
    SetTextColour(*description_, ModeChooser::kDescriptionColour);
    // The longer descriptions take two lines, which need a few pixels more
    // than the line's 25 in most fonts.
    QRect descriptionRect = PxRect(ModeChooser::kDescriptionRect);
    descriptionRect.setHeight(std::max(descriptionRect.height(), 2 * description_->fontMetrics().lineSpacing()));
    description_->setGeometry(descriptionRect);
    // The line is no part of the background: a press on it does not drag
    // the window (and, as it does not track the pointer, passing over it
    // does not arm the entries).
    description_->setAttribute(Qt::WA_NoMousePropagation);

    chooser_.changed = [this] { ShowState(); };
    chooser_.moveWindowBy = [this](float dx, float dy) { move(pos() + QPoint(Px(dx), Px(dy))); };
    chooser_.modeChosen = [this](int mode) { HandOver(mode); };
    chooser_.exitChosen = [this] { close(); };
    Retranslate();
}

void ModeChooserWindow::Retranslate()
{
    setWindowTitle(tr("系统设置"));
    SetBackground(ChooserPicture());
    for (const auto& entry : ModeChooser::Entries()) {
        QLabel* label = EntryLabel(entry.index);
        label->setText(entry.text);
        // A longer name than the slot takes is set smaller.
        QFont font = label->font();
        font.setPixelSize(kEntryPixels);
        while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(entry.text) > label->width()) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        label->setFont(font);
    }
    chooser_.Retranslate(); // shows the state
}

void ModeChooserWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    ShapedWindow::changeEvent(event);
}

void ModeChooserWindow::Load()
{
    Reshape();
    CentreOnScreen();
    show();
    activateWindow(); // for the keys
}

QLabel* ModeChooserWindow::EntryLabel(int index) const
{
    return index >= 0 && index < static_cast<int>(entries_.size()) ? entries_[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

void ModeChooserWindow::ShowState()
{
    for (const auto& entry : ModeChooser::Entries()) {
        SetTextColour(*EntryLabel(entry.index), chooser_.Colour(entry.index));
    }
    description_->setText(chooser_.Description());
    if (isVisible()) {
        Reshape();
    }
}

void ModeChooserWindow::HandOver(int mode)
{
    hide();
    if (onModeChosen) {
        onModeChosen(mode);
    }
    close();
}

QPointF ModeChooserWindow::PointerTwips(const QMouseEvent& event) const
{
    return mapFromGlobal(event.globalPosition()) * kTwipsPerPixel;
}

bool ModeChooserWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(entries_.begin(), entries_.end(), watched);
    if (found == entries_.end()) {
        return ShapedWindow::eventFilter(watched, event);
    }
    const int index = static_cast<int>(found - entries_.begin());
    switch (event->type()) {
    case QEvent::MouseMove: chooser_.MouseMoveEntry(index); return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: chooser_.MouseDownEntry(index); return true;
    default: return ShapedWindow::eventFilter(watched, event);
    }
}

void ModeChooserWindow::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = PointerTwips(*event);
    chooser_.MouseDownBackground(event->button(), static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void ModeChooserWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = PointerTwips(*event);
    chooser_.MouseMoveBackground(event->buttons(), static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void ModeChooserWindow::mouseReleaseEvent(QMouseEvent*)
{
    chooser_.MouseUpBackground();
}

void ModeChooserWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: chooser_.MoveFocus(-1); break;
    case Qt::Key_Down: chooser_.MoveFocus(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: chooser_.ChooseFocused(); break;
    case Qt::Key_Escape: chooser_.Escape(); break;
    default: ShapedWindow::keyPressEvent(event); return;
    }
    event->accept();
}

bool ModeChooserWindow::focusNextPrevChild(bool next)
{
    chooser_.MoveFocus(next ? 1 : -1);
    return true;
}

} // namespace daz

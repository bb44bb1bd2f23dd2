#include "OverlayBox.h"

#include <cmath>
#include <optional>

#include <QLabel>
#include <QMouseEvent>

#include "game/GameFlow.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/BoardView.h"
#include "presentation/GameTexts.h"
#include "presentation/HaloLabel.h"
#include "presentation/Pictures.h"

namespace daz {
namespace {

// The note's letters at the design scale, in pixels.
constexpr int kNotePixels = 16;

// The picture of the list that hides the board in a phase, if any.
std::optional<int> PictureOf(Phase phase)
{
    switch (phase) {
    case Phase::Paused: return 13;
    case Phase::TimedOut: return 14;
    case Phase::Cleared: return 15;
    case Phase::NoLevel:
    case Phase::Playing: break;
    }
    return std::nullopt;
}

} // namespace

OverlayBox::OverlayBox(BoardParts parts, const BoardView& board, QWidget* window)
    : QObject(window),
      parts_(parts),
      board_(board),
      window_(window),
      picture_(new QLabel(window)),
      note_(new HaloLabel(window))
{
    picture_->setScaledContents(true);
    picture_->hide();
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->installEventFilter(this);
    QFont font = note_->font();
    font.setBold(true);
    note_->setFont(font);
    note_->SetColour(QColor(0xFF, 0xD7, 0x00));
    note_->setAttribute(Qt::WA_TransparentForMouseEvents);
    note_->hide();
    connect(&parts_.round, &Round::phaseChanged, this, &OverlayBox::Show);
    connect(&parts_.caption, &BoardCaption::changed, this, &OverlayBox::Show);
    connect(&parts_.motion.jitter, &OverlayJitter::moved, this, &OverlayBox::Show);
}

QLabel* OverlayBox::Note() const
{
    return note_;
}

void OverlayBox::Show()
{
    const Phase phase = parts_.round.GetPhase();
    const std::optional<int> overlay = PictureOf(phase);
    if (!overlay) {
        picture_->hide();
        note_->hide();
        return;
    }
    const QPixmap picture = ImageList1(*overlay);
    if (picture_->pixmap().cacheKey() != picture.cacheKey()) {
        picture_->setPixmap(picture);
    }
    // At the board's scale; the label scales the picture once per size.
    const double scale = board_.Scale();
    const QSizeF size = picture.deviceIndependentSize();
    picture_->resize(static_cast<int>(std::lround(size.width() * kTwipsPerPixel * scale)),
                     static_cast<int>(std::lround(size.height() * kTwipsPerPixel * scale)));
    // It hops about a little, right of and below the window's centre.
    const QPoint hop(static_cast<int>(std::lround(parts_.motion.jitter.X() * scale)),
                     static_cast<int>(std::lround(parts_.motion.jitter.Y() * scale)));
    picture_->move(hop
                   + QPoint((window_->width() - picture_->width()) / 2, (window_->height() - picture_->height()) / 2));
    picture_->show();
    picture_->raise();

    // The clear's time and place stay still under the picture's own place.
    const QString note = parts_.caption.ClearNote();
    if (phase != Phase::Cleared || note.isEmpty()) {
        note_->hide();
        return;
    }
    QFont font = note_->font();
    font.setPixelSize(std::max(1, static_cast<int>(kNotePixels * kTwipsPerPixel * scale)));
    note_->setFont(font);
    note_->setText(note);
    note_->resize(note_->sizeHint());
    const int below = (window_->height() + picture_->height()) / 2 + static_cast<int>(std::lround(220 * scale));
    note_->move((window_->width() - note_->width()) / 2, std::min(below, window_->height() - note_->height()));
    note_->show();
    note_->raise();
}

bool OverlayBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture_ && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            parts_.flow.ClickOverlay();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace daz

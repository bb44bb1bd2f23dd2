#include "FrmLong.h"

#include <algorithm>

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/MessageBoxes.h"
#include "game/GameFlow.h"

namespace daz {
namespace {

constexpr unsigned kCaptionColour = 0x0080FF; // orange

// Drawn when the program's own pictures are missing.
QPixmap StandInBackground()
{
    QPixmap picture(460, 106);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 106);
    fill.setColorAt(0, QColor(46, 139, 120));
    fill.setColorAt(1, QColor(20, 84, 74));
    QPainterPath panel;
    panel.addRoundedRect(QRectF(4, 6, 452, 94), 22, 22);
    painter.fillPath(panel, fill);
    painter.setPen(QPen(QColor(230, 190, 90), 3));
    painter.drawPath(panel);
    QFont font = painter.font();
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 236, 170));
    painter.drawText(QRect(0, 6, 460, 94), Qt::AlignCenter, platform::ApplicationTitle());
    return picture;
}

QPixmap StandInBar()
{
    QPixmap picture(300, 11);
    QPainter painter(&picture);
    QLinearGradient fill(0, 0, 300, 0);
    fill.setColorAt(0, QColor(255, 150, 30));
    fill.setColorAt(1, QColor(250, 210, 60));
    painter.fillRect(picture.rect(), fill);
    return picture;
}

} // namespace

FrmLong::FrmLong(platform::InstanceLock& lock, platform::MessageBoxes& boxes, platform::TimerFactory& timers,
                 QWidget* parent)
    : ShapedWindow(kClientSize, Qt::white, Picture(QStringLiteral(":/splash.png"), StandInBackground), parent),
      splash_(lock, boxes, timers), caption_(new QLabel(QStringLiteral("程序加载中："), this)),
      bar_(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The program's name and version, as the main window is captioned.
    setWindowTitle(GameFlow::WindowCaption());

    caption_->setObjectName(QStringLiteral("LabLoading"));
    QFont font = caption_->font();
    font.setPixelSize(12);
    // The words lie over the see-through part: smoothed edges would leave
    // a pale fringe against the desktop.
    font.setStyleStrategy(QFont::NoAntialias);
    caption_->setFont(font);
    QPalette palette = caption_->palette();
    palette.setColor(QPalette::WindowText, FromBgr(kCaptionColour));
    caption_->setPalette(palette);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The text needs a little more than its 12 pixels in most fonts.
    QRect captionRect = PxRect(kCaptionRect);
    captionRect.setHeight(std::max(captionRect.height(), caption_->fontMetrics().height()));
    caption_->setGeometry(captionRect);

    bar_->setObjectName(QStringLiteral("ImgSM"));
    bar_->setScaledContents(true);
    bar_->setPixmap(Picture(QStringLiteral(":/loading-bar.png"), StandInBar));
    ShowBar();

    splash_.barChanged = [this] { ShowBar(); };
    splash_.finished = [this] { Finish(); };
}

bool FrmLong::Load()
{
    if (!splash_.Load()) {
        return false;
    }
    Reshape();
    CentreOnScreen();
    show();
    return true;
}

void FrmLong::ShowBar()
{
    QRect rect = PxRect(kBarRect);
    rect.setWidth(Px(splash_.BarWidth()));
    bar_->setGeometry(rect);
    if (isVisible()) {
        Reshape();
    }
}

void FrmLong::Finish()
{
    close();
    if (onFinished) {
        onFinished();
    }
}

} // namespace daz

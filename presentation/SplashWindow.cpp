#include "SplashWindow.h"

#include <algorithm>

#include <QLabel>

#include "platform/MessageBoxes.h"
#include "presentation/GameInfo.h"
#include "presentation/PictureWords.h"

namespace daz {
namespace {

constexpr unsigned kCaptionColour = 0x0080FF; // orange

} // namespace

SplashWindow::SplashWindow(platform::InstanceLock& lock, platform::MessageBoxes& boxes, platform::TimerFactory& timers,
                           QWidget* parent)
    : ShapedWindow(kClientSize, Qt::white,
                   WithWords(QStringLiteral("splash.png"), ScreenPicture(QStringLiteral(":/splash.png"))), parent),
      splash_(lock, boxes, timers),
      caption_(new QLabel(tr("程序加载中："), this)),
      bar_(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The program's name and version, as the main window is captioned.
    setWindowTitle(GameInfo::WindowCaption());

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
    bar_->setPixmap(ScreenPicture(QStringLiteral(":/loading-bar.png")));
    ShowBar();

    splash_.barChanged = [this] { ShowBar(); };
    splash_.finished = [this] { Finish(); };
}

bool SplashWindow::Load()
{
    if (!splash_.Load()) {
        return false;
    }
    Reshape();
    CentreOnScreen();
    show();
    return true;
}

void SplashWindow::ShowBar()
{
    QRect rect = PxRect(kBarRect);
    rect.setWidth(Px(splash_.BarWidth()));
    bar_->setGeometry(rect);
    if (isVisible()) {
        Reshape();
    }
}

void SplashWindow::Finish()
{
    close();
    if (onFinished) {
        onFinished();
    }
}

} // namespace daz

// Previews of the window pictures with the windows' texts in place, as the
// game draws them, for looking the pictures over.
#include "WindowArtKit.h"
#include "WindowPictures.h"

namespace daz::datagen::windowart {

namespace {

// A colour-keyed window picture as the window shows it: the key colour
// transparent.
QImage KeyedOut(const QImage& picture, QRgb key)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if ((keyed.pixel(x, y) & 0xffffff) == key) {
                keyed.setPixel(x, y, 0);
            }
        }
    }
    return keyed;
}

} // namespace

QImage PreviewToolbar(const QImage& strip, const std::vector<QImage>& digits, const QImage& mainButton,
                      const QImage& modeHover, const QImage& timeBar)
{
    QImage img = strip.copy();
    QPainter p(&img);
    Smooth(p);
    p.drawImage(13, 5, mainButton);
    p.drawImage(89, 5, modeHover);
    const auto label = [&](double x, double y, const QString& text, const QColor& c) {
        p.setFont(SansFont(12));
        p.setPen(c);
        p.drawText(QPointF(x, y + 11), text);
    };
    const QColor grey = Rgb(0x404040), orange = Rgb(0xff8000), blue = Rgb(0x0000ff), red = Rgb(0xff0000);
    label(208, 8, QString::fromUtf8("■重新开始"), grey);
    label(328, 8, QString::fromUtf8("◆暂停"), grey);
    label(376, 8, QString::fromUtf8("←撤消*6"), orange);
    label(436, 8, QString::fromUtf8("◎提示*6"), grey);
    label(496, 8, QString::fromUtf8("※重排*6"), grey);
    for (const int x : {576, 672}) {
        const QRectF toggle(x, 1.5, 73, 25);
        p.setPen(QPen(Rgb(0x004000), 1));
        p.setBrush(Rgb(0x008000));
        p.drawRect(toggle);
        p.setFont(SansFont(12));
        p.setPen(Rgb(0xffffc0));
        p.drawText(toggle, Qt::AlignCenter, x == 576 ? QString::fromUtf8("背景音乐") : QString::fromUtf8("鼠标音效"));
    }
    label(40, 40, QString::fromUtf8("玩家姓名："), blue);
    label(112, 40, QString::fromUtf8("player"), red);
    label(184, 40, QString::fromUtf8("积分："), blue);
    const int score[] = {0, 0, 0, 0, 1, 2, 3, 4};
    for (int i = 0; i < 8; ++i) {
        p.drawImage(224 + i * 16, 40, digits[size_t(score[i])]);
    }
    label(376, 40, QString::fromUtf8("等级："), blue);
    label(416, 40, QString::fromUtf8("６．金牛座"), red);
    label(520, 40, QString::fromUtf8("生命："), blue);
    p.drawImage(QRectF(560, 37.5, 140, 17), timeBar);
    label(832, 40, QString::fromUtf8("霁岚工作室 出品"), grey);
    label(888, 8, QString::fromUtf8("版权所有"), grey);
    p.end();
    return img;
}

QImage PreviewChooser(const QImage& chooser)
{
    QImage img = NewCanvas(400, 400, Rgb(0x6b8cae)); // a desktop
    QPainter p(&img);
    Smooth(p);
    p.drawImage(20, 18, KeyedOut(chooser, 0x000000));
    const char* const names[] = {"简单模式", "正常模式", "挑战模式", "极限模式", "退出游戏"};
    p.setFont(SansFont(16, true));
    for (int i = 0; i < 5; ++i) {
        p.setPen(i == 2 ? Rgb(0xff8000) : Rgb(0x8080ff));
        p.drawText(QRectF(20 + 112, 18 + kEntryTops[i], 120, 29), Qt::AlignCenter, QString::fromUtf8(names[i]));
    }
    p.setFont(SansFont(12));
    p.setPen(Rgb(0xff0000));
    p.drawText(
        QRectF(20 + 48, 18 + 328, 257, 25), Qt::AlignCenter | Qt::TextWordWrap,
        QString::fromUtf8("作者最新开发设计，对经典的连连看作了最新的修改，游戏的可玩性增强了。消除后牌会下落！"));
    p.end();
    return img;
}

QImage PreviewSplash(const QImage& splash, const QImage& bar)
{
    QImage img = NewCanvas(500, 200, Rgb(0x6b8cae));
    QPainter p(&img);
    Smooth(p);
    p.drawImage(20, 20, KeyedOut(splash, 0xffffff));
    p.setFont(SansFont(12));
    p.setPen(Rgb(0xff8000));
    p.drawText(QPointF(20 + 72, 20 + 136 + 11), QString::fromUtf8("程序加载中："));
    p.drawImage(QRectF(20 + 152, 20 + 136, 180, 12), bar);
    p.end();
    return img;
}

QImage PreviewTool(const QImage& background, const std::vector<Rect>& fields, const std::vector<Rect>& opens,
                   const Rect& ok, const Rect& esc, const QImage& open, const QImage& okImage, const QImage& escImage)
{
    QImage img = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    for (const Rect& r : fields) {
        p.setPen(QPen(Rgb(0x7a8a9a), 1));
        p.setBrush(Qt::white);
        p.drawRect(ToF(r).adjusted(0, 0, -1, -1));
    }
    for (const Rect& r : opens) {
        p.drawImage(r.x, r.y, open);
    }
    p.drawImage(ok.x, ok.y, okImage);
    p.drawImage(esc.x, esc.y, escImage);
    p.end();
    return img;
}

} // namespace daz::datagen::windowart

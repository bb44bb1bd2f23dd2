// The level tools' pictures: the editor's and the modifier's backgrounds,
// their captions and notes only in the previews (the windows' labels carry
// them), and the buttons on them.
#include "WindowArtKit.h"
#include "WindowPictures.h"

namespace daz::datagen::windowart {

QRectF ToF(const Rect& r)
{
    return QRectF(r.x, r.y, r.width, r.height);
}

namespace {

// A sunken frame just outside a control's rectangle.
void Well(QPainter& p, const Rect& r)
{
    const QRectF box = ToF(r).adjusted(-2.5, -2.5, 2.5, 2.5);
    p.setPen(QPen(Rgb(0xa9b9c8), 1));
    p.setBrush(Rgb(0xffffff));
    p.drawPath(RoundedRect(box, 4));
    p.setPen(QPen(QColor(0, 30, 60, 40), 1));
    p.drawLine(QPointF(box.left() + 3, box.top() + 1.5), QPointF(box.right() - 3, box.top() + 1.5));
}

void Caption(QPainter& p, const Rect& field, const QString& text)
{
    const double right = field.x - toolwindow::kCaptionGap;
    DrawText(p, QRectF(right - 100, field.y - 2, 100, field.height + 4), text, SansFont(13, true), kInk,
             Qt::transparent, 0, Qt::AlignRight | Qt::AlignVCenter);
}

void Note(QPainter& p, const Rect& box, const QString& text)
{
    DrawText(p, ToF(box), text, SansFont(11), Rgb(0x7a8796), Qt::transparent, 0, Qt::AlignLeft | Qt::AlignVCenter);
}

QImage ToolBackground(int width, int height, int buttonsTop, const QString& title, const QString& subtitle,
                      const QString& emoji, Words words)
{
    QImage img = ArtCanvas(QSize(width, height));
    QPainter p(&img);
    Smooth(p);
    const QRectF all(0, 0, width, height);
    p.fillRect(all, Vertical(all, Rgb(0xfbfdff), Rgb(0xe5eef6)));
    // A quiet lattice of dots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 150, 180, 28));
    for (int y = 76; y < height; y += 16) {
        for (int x = (y / 16) % 2 ? 8 : 16; x < width; x += 16) {
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }

    // The header band.
    const QRectF band(0, 0, width, 64);
    QLinearGradient header(band.topLeft(), band.bottomLeft());
    header.setColorAt(0, Rgb(0x3cc3a2));
    header.setColorAt(1, Rgb(0x17806a));
    p.fillRect(band, header);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawPath(CloudPath(QRectF(width - 150, 6, 110, 44)));
    p.drawPath(CloudPath(QRectF(width - 250, 26, 80, 34)));
    p.fillRect(QRectF(0, 62, width, 2), kGold);
    p.fillRect(QRectF(0, 64, width, 1), QColor(0, 0, 0, 40));

    // An emblem tile and the title.
    const QImage tile = MiniTile(QSize(40, 44), emoji, Rgb(0xc8372d));
    DrawRotated(p, tile, QPointF(40, 32), -8);
    if (words == Words::Drawn) {
        DrawText(p, ToF(toolwindow::kTitle), title, SansFont(21, true), Qt::white, QColor(10, 70, 58, 200), 1.6,
                 Qt::AlignLeft | Qt::AlignVCenter);
        DrawText(p, ToF(toolwindow::kSubtitle), subtitle, SansFont(12), Rgb(0xe4fff7), Qt::transparent, 0,
                 Qt::AlignLeft | Qt::AlignVCenter);
    }

    // Footer line above the buttons.
    p.fillRect(QRectF(20, buttonsTop - 10, width - 40, 1), QColor(150, 175, 200, 120));
    p.end();
    return img;
}

} // namespace

QImage EditorBackground(Words words)
{
    namespace e = toolwindow::editor;
    QImage img = ToolBackground(e::kWidth, e::kHeight, e::ComOK.y, QString::fromUtf8("霁岚关卡编辑器"),
                                QString::fromUtf8("用你准备好的图片，做一个全新的关卡"), QString::fromUtf8("🎨"), words);
    QPainter p(&img);
    Smooth(p);
    for (const Rect& r : {e::txtGName, e::txtGPath, e::txtGPhotoSum, e::txtGMaxX, e::txtGMaxY, e::picGBackColor,
                          e::txtGGameBack, e::txtGMedia, e::CobList, e::txtQM}) {
        Well(p, r);
    }
    if (words == Words::Left) {
        p.end();
        return img.convertToFormat(QImage::Format_RGB32);
    }
    Caption(p, e::txtGName, QString::fromUtf8("关卡名称"));
    Caption(p, e::txtGPath, QString::fromUtf8("图片目录"));
    Caption(p, e::txtGPhotoSum, QString::fromUtf8("图片张数"));
    Caption(p, e::txtGMaxX, QString::fromUtf8("横向列数"));
    Caption(p, e::txtGMaxY, QString::fromUtf8("纵向行数"));
    Caption(p, e::picGBackColor, QString::fromUtf8("背景颜色"));
    Caption(p, e::txtGGameBack, QString::fromUtf8("背景图片"));
    Caption(p, e::txtGMedia, QString::fromUtf8("背景音乐"));
    Caption(p, e::CobList, QString::fromUtf8("飘动效果"));
    Caption(p, e::txtQM, QString::fromUtf8("制 作 者"));
    Note(p, e::photoSumNote, QString::fromUtf8("张，不含 mb1.gif 和 mb2.gif，至少 10 张"));
    Note(p, e::sizeNote, QString::fromUtf8("列数、行数为 1～19，至少一个是偶数"));
    Note(p, e::colourNote, QString::fromUtf8("点色块选择颜色；有背景图片时用图片"));
    Note(p, e::makerNote, QString::fromUtf8("可以不填"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage ModifierBackground(Words words)
{
    namespace m = toolwindow::modifier;
    QImage img = ToolBackground(m::kWidth, m::kHeight, m::ComOK.y, QString::fromUtf8("霁岚关卡修改器"),
                                QString::fromUtf8("调整关卡的大小、背景、音乐和飘动效果"), QString::fromUtf8("🔧"),
                                words);
    QPainter p(&img);
    Smooth(p);
    for (const Rect& r :
         {m::cobGKName, m::txtMaxX, m::txtMaxY, m::picGBackColor, m::txtGGameBack, m::txtGMedia, m::CobList}) {
        Well(p, r);
    }
    if (words == Words::Left) {
        p.end();
        return img.convertToFormat(QImage::Format_RGB32);
    }
    Caption(p, m::cobGKName, QString::fromUtf8("选择关卡"));
    Caption(p, m::txtMaxX, QString::fromUtf8("横向列数"));
    Caption(p, m::txtMaxY, QString::fromUtf8("纵向行数"));
    Caption(p, m::picGBackColor, QString::fromUtf8("背景颜色"));
    Caption(p, m::txtGGameBack, QString::fromUtf8("背景图片"));
    Caption(p, m::txtGMedia, QString::fromUtf8("背景音乐"));
    Caption(p, m::CobList, QString::fromUtf8("飘动效果"));
    Note(p, m::sizeNote, QString::fromUtf8("列数、行数为 1～19，至少一个是偶数"));
    Note(p, m::colourNote, QString::fromUtf8("点色块选择颜色；有背景图片时用图片"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage OpenButton(bool hover)
{
    const QSize size(toolwindow::kOpenButtonWidth, toolwindow::kOpenButtonHeight);
    QImage img = hover ? GlossyButton(size, QString(), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12)
                       : GlossyButton(size, QString(), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12);
    QPainter p(&img);
    Smooth(p);
    // A folder.
    const QRectF folder(7.5, 7, 15, 11);
    p.setPen(QPen(Rgb(0x8a5a10), 1));
    p.setBrush(Rgb(0xffd666));
    QPainterPath tab;
    tab.moveTo(folder.left(), folder.top() + 2);
    tab.lineTo(folder.left(), folder.top() - 1);
    tab.lineTo(folder.left() + 5, folder.top() - 1);
    tab.lineTo(folder.left() + 6.5, folder.top() + 1);
    tab.lineTo(folder.right(), folder.top() + 1);
    tab.lineTo(folder.right(), folder.top() + 3);
    p.drawPath(tab);
    p.setBrush(Vertical(folder, Rgb(0xffe89a), Rgb(0xf5b83a)));
    QPainterPath front;
    front.moveTo(folder.left(), folder.bottom());
    front.lineTo(folder.left() + 1.5, folder.top() + 3);
    front.lineTo(folder.right() + 1.5, folder.top() + 3);
    front.lineTo(folder.right(), folder.bottom());
    front.closeSubpath();
    p.drawPath(front);
    p.end();
    return img;
}

QImage WideButton(const QString& text, bool primary, bool hover)
{
    const QSize size(toolwindow::kWideButtonWidth, toolwindow::kWideButtonHeight);
    if (hover) {
        return GlossyButton(size, text, Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 15);
    }
    if (primary) {
        return GlossyButton(size, text, Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 15);
    }
    return GlossyButton(size, text, Rgb(0x9fb3c6), Rgb(0x5f7890), Rgb(0x44596c), 15);
}

} // namespace daz::datagen::windowart

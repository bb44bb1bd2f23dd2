#include "Pictures.h"

#include <array>

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>

namespace daz {

QColor FromBgr(unsigned bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QColor PaletteColour(int index)
{
    static constexpr std::array<QRgb, 16> kPalette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return QColor::fromRgb(kPalette[static_cast<std::size_t>(index & 15)]);
}

namespace {

QPixmap StandIn(const QString& name, QSize size)
{
    QPixmap pixmap(size.isEmpty() ? QSize(32, 32) : size);
    pixmap.fill(QColor(0xF4, 0xE9, 0xD0));
    QPainter p(&pixmap);
    p.setPen(QColor(0x8A, 0x5A, 0x2B));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    p.drawText(pixmap.rect(), Qt::AlignCenter, name);
    return pixmap;
}

} // namespace

QString SharperName(const QString& name)
{
    QString sharper = name;
    sharper.insert(sharper.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return sharper;
}

QPixmap ScreenPicture(const QString& resource)
{
    if (qApp && qApp->devicePixelRatio() > 1) {
        QPixmap sharper(SharperName(resource));
        if (!sharper.isNull()) {
            sharper.setDevicePixelRatio(2);
            return sharper;
        }
    }
    return QPixmap(resource);
}

QPixmap WindowPicture(const QString& name, QSize fallbackSize, const QString& fallbackText)
{
    static QHash<QString, QPixmap> cache;
    if (auto it = cache.constFind(name); it != cache.constEnd()) {
        return *it;
    }
    // The main window scales its pictures with the board, mostly up: the
    // copy at twice the resolution, where there is one, keeps them sharp.
    QPixmap pixmap(QStringLiteral(":/") + SharperName(name));
    if (!pixmap.isNull()) {
        pixmap.setDevicePixelRatio(2);
    } else {
        pixmap = QPixmap(QStringLiteral(":/") + name);
    }
    if (pixmap.isNull()) {
        pixmap = StandIn(fallbackText, fallbackSize);
    }
    cache.insert(name, pixmap);
    return pixmap;
}

QPixmap ImageList1(int entry)
{
    if (entry >= 1 && entry <= 10) {
        const int digit = entry - 1;
        return WindowPicture(QStringLiteral("digit%1.png").arg(digit), {15, 13}, QString::number(digit));
    }
    switch (entry) {
    case 11: return WindowPicture(QStringLiteral("main-button.png"), {70, 20}, QStringLiteral("选关"));
    case 12: return WindowPicture(QStringLiteral("main-button-hover.png"), {70, 20}, QStringLiteral("选关"));
    case 13: return WindowPicture(QStringLiteral("paused.png"), {320, 200}, QStringLiteral("暂停中，点击继续"));
    case 14: return WindowPicture(QStringLiteral("timed-out.png"), {320, 200}, QStringLiteral("时间到！"));
    case 15: return WindowPicture(QStringLiteral("cleared.png"), {320, 200}, QStringLiteral("过关！点击进入下一关"));
    case 16: return WindowPicture(QStringLiteral("mode-button.png"), {83, 20}, QStringLiteral("游戏模式"));
    case 17: return WindowPicture(QStringLiteral("mode-button-hover.png"), {83, 20}, QStringLiteral("游戏模式"));
    default: return {};
    }
}

QCursor ToolbarPointer()
{
    const QPixmap pointer(QStringLiteral(":/pointer.png"));
    if (pointer.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(pointer, 9, 1);
}

} // namespace daz

#include "Pictures.h"

#include <array>

#include <QGuiApplication>
#include <QHash>

#include "presentation/PictureWords.h"

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

QPixmap WindowPicture(const QString& name)
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
    Q_ASSERT_X(!pixmap.isNull(), "WindowPicture", qPrintable(name));
    cache.insert(name, pixmap);
    return pixmap;
}

QPixmap ImageList1(int entry)
{
    if (entry >= 1 && entry <= 10) {
        const int digit = entry - 1;
        return WindowPicture(QStringLiteral("digit%1.png").arg(digit));
    }
    // The menu buttons and the pictures over the board carry words, drawn
    // on in the language installed now.
    const auto worded = [](const char* name) {
        const QString file = QString::fromLatin1(name);
        return WithWords(file, WindowPicture(file));
    };
    switch (entry) {
    case 11: return worded("main-button.png");
    case 12: return worded("main-button-hover.png");
    case 13: return worded("paused.png");
    case 14: return worded("timed-out.png");
    case 15: return worded("cleared.png");
    case 16: return worded("mode-button.png");
    case 17: return worded("mode-button-hover.png");
    default: return {};
    }
}

QCursor ToolbarPointer()
{
    return QCursor(QPixmap(QStringLiteral(":/pointer.png")), 9, 1);
}

} // namespace daz

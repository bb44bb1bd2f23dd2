#include "WindowArt.h"

#include "Files.h"
#include "WindowArtKit.h"
#include "WindowPictures.h"

#include <vector>

namespace daz::datagen {

using namespace windowart;

void WriteWindowArt(const QDir& resourceDir, const QDir& previewDir)
{
    QStringList files;
    const auto save = [&](const QImage& image, const QString& name) {
        SavePng(image, resourceDir.filePath(name));
        files << name;
    };

    // Every picture twice: "name.png" as designed and "name@2x.png" at twice
    // the resolution. The previews show the first.
    std::vector<QImage> digits;
    QImage mainButton, modeHover, paused, timedOut, cleared, strip, timeBar, splash, loading, chooser, editor, modifier;
    for (const double scale : {1.0, 2.0}) {
        gArtScale = scale;
        const bool plain = scale == 1;
        const QString suffix = plain ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const auto keep = [&](QImage& kept, const QImage& image, const QString& name) {
            if (plain) {
                kept = image;
            }
            save(image, name + suffix);
        };

        for (int d = 0; d <= 9; ++d) {
            const QImage digit = Digit(d);
            if (plain) {
                digits.push_back(digit);
            }
            save(digit, QStringLiteral("digit%1").arg(d) + suffix);
        }
        keep(
            mainButton,
            GlossyButton(QSize(70, 20), QString::fromUtf8("主菜单"), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12, true),
            QStringLiteral("main-button"));
        save(GlossyButton(QSize(70, 20), QString::fromUtf8("主菜单"), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12,
                          true),
             QStringLiteral("main-button-hover") + suffix);
        save(GlossyButton(QSize(83, 20), QString::fromUtf8("游戏模式"), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12,
                          true),
             QStringLiteral("mode-button") + suffix);
        keep(modeHover,
             GlossyButton(QSize(83, 20), QString::fromUtf8("游戏模式"), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12,
                          true),
             QStringLiteral("mode-button-hover"));
        keep(paused, StatePicture(State::Paused), QStringLiteral("paused"));
        keep(timedOut, StatePicture(State::TimedOut), QStringLiteral("timed-out"));
        keep(cleared, StatePicture(State::Cleared), QStringLiteral("cleared"));

        const QImage stripHere = Toolbar();
        if (plain) {
            strip = stripHere;
        }
        save(stripHere.convertToFormat(QImage::Format_RGB32), QStringLiteral("toolbar") + suffix);
        keep(timeBar, TimeBar(), QStringLiteral("timebar"));

        keep(splash, Splash(), QStringLiteral("splash"));
        keep(loading, LoadingBar(), QStringLiteral("loading-bar"));
        keep(chooser, Chooser(), QStringLiteral("chooser"));

        keep(editor, EditorBackground(), QStringLiteral("editor-background"));
        keep(modifier, ModifierBackground(), QStringLiteral("modifier-background"));
        save(OpenButton(false), QStringLiteral("open") + suffix);
        save(OpenButton(true), QStringLiteral("open-hover") + suffix);
        save(WideButton(QString::fromUtf8("确定"), true, false), QStringLiteral("ok") + suffix);
        save(WideButton(QString::fromUtf8("确定"), true, true), QStringLiteral("ok-hover") + suffix);
        save(WideButton(QString::fromUtf8("关闭"), false, false), QStringLiteral("esc") + suffix);
        save(WideButton(QString::fromUtf8("关闭"), false, true), QStringLiteral("esc-hover") + suffix);
    }
    // The pointer keeps one size: cursors are not scaled with the screen.
    gArtScale = 1;
    save(Pointer(), QStringLiteral("pointer.png"));
    const QImage icon = AppIcon(256);
    const QImage smallIcon = AppIcon(32);
    save(icon, QStringLiteral("app-icon.png"));
    save(smallIcon, QStringLiteral("app-icon-32.png"));

    QStringList qrc{QStringLiteral("<!DOCTYPE RCC>"), QStringLiteral("<RCC version=\"1.0\">"),
                    QStringLiteral("<qresource prefix=\"/\">")};
    for (const QString& f : files) {
        qrc << QStringLiteral("    <file>%1</file>").arg(f);
    }
    qrc << QStringLiteral("</qresource>") << QStringLiteral("</RCC>");
    WriteLines(resourceDir.filePath(QStringLiteral("resources.qrc")), qrc, "\n");

    // Previews with the windows' texts in place.
    SavePng(PreviewToolbar(strip, digits, mainButton, modeHover, timeBar),
            previewDir.filePath(QStringLiteral("toolbar.png")));
    SavePng(PreviewChooser(chooser), previewDir.filePath(QStringLiteral("chooser.png")));
    SavePng(PreviewSplash(splash, loading), previewDir.filePath(QStringLiteral("splash.png")));
    namespace e = toolwindow::editor;
    namespace m = toolwindow::modifier;
    SavePng(PreviewTool(editor,
                        {e::txtGName, e::txtGPath, e::txtGPhotoSum, e::txtGMaxX, e::txtGMaxY, e::txtGGameBack,
                         e::txtGMedia, e::CobList, e::txtQM},
                        {e::ComtGPath, e::ComGGameBack, e::ComGMedia}, e::ComOK, e::ComESC, OpenButton(false),
                        WideButton(QString::fromUtf8("确定"), true, false),
                        WideButton(QString::fromUtf8("关闭"), false, true)),
            previewDir.filePath(QStringLiteral("editor.png")));
    SavePng(PreviewTool(modifier, {m::cobGKName, m::txtMaxX, m::txtMaxY, m::txtGGameBack, m::txtGMedia, m::CobList},
                        {m::ComGGameBack, m::ComGMedia}, m::ComOK, m::ComESC, OpenButton(true),
                        WideButton(QString::fromUtf8("确定"), true, true),
                        WideButton(QString::fromUtf8("关闭"), false, false)),
            previewDir.filePath(QStringLiteral("modifier.png")));
    QImage states = NewCanvas(980, 220, Rgb(0xd4d0c8));
    {
        QPainter p(&states);
        p.drawImage(0, 10, paused);
        p.drawImage(330, 10, timedOut);
        p.drawImage(660, 10, cleared);
    }
    SavePng(states, previewDir.filePath(QStringLiteral("states.png")));
    QImage icons = NewCanvas(420, 280, Rgb(0xd4d0c8));
    {
        QPainter p(&icons);
        p.drawImage(10, 10, icon);
        p.drawImage(280, 10, smallIcon);
        p.drawImage(QRectF(280, 60, 128, 128), smallIcon);
        p.drawImage(QRectF(330, 10, 64, 64), Pointer().scaled(64, 64));
    }
    SavePng(icons, previewDir.filePath(QStringLiteral("icons.png")));
}

} // namespace daz::datagen

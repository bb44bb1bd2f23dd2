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
    // the resolution. The pictures with words are kept without them; the
    // previews show the first with the words in place.
    std::vector<QImage> digits;
    QImage strip, timeBar, loading;
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
        save(MenuButton(QString(), false), QStringLiteral("main-button") + suffix);
        save(MenuButton(QString(), true), QStringLiteral("main-button-hover") + suffix);
        save(MenuButton(QString(), false, true), QStringLiteral("mode-button") + suffix);
        save(MenuButton(QString(), true, true), QStringLiteral("mode-button-hover") + suffix);
        save(StatePicture(State::Paused, Words::Left), QStringLiteral("paused") + suffix);
        save(StatePicture(State::TimedOut, Words::Left), QStringLiteral("timed-out") + suffix);
        save(StatePicture(State::Cleared, Words::Left), QStringLiteral("cleared") + suffix);

        const QImage stripHere = Toolbar();
        if (plain) {
            strip = stripHere;
        }
        save(stripHere.convertToFormat(QImage::Format_RGB32), QStringLiteral("toolbar") + suffix);
        keep(timeBar, TimeBar(), QStringLiteral("timebar"));

        save(Splash(Words::Left), QStringLiteral("splash") + suffix);
        keep(loading, LoadingBar(), QStringLiteral("loading-bar"));
        save(Chooser(Words::Left), QStringLiteral("chooser") + suffix);

        save(EditorBackground(Words::Left), QStringLiteral("editor-background") + suffix);
        save(ModifierBackground(Words::Left), QStringLiteral("modifier-background") + suffix);
        save(OpenButton(false), QStringLiteral("open") + suffix);
        save(OpenButton(true), QStringLiteral("open-hover") + suffix);
        save(WideButton(QString(), true, false), QStringLiteral("ok") + suffix);
        save(WideButton(QString(), true, true), QStringLiteral("ok-hover") + suffix);
        save(WideButton(QString(), false, false), QStringLiteral("esc") + suffix);
        save(WideButton(QString(), false, true), QStringLiteral("esc-hover") + suffix);
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

    // Previews with the windows' texts in place, in Chinese.
    SavePng(PreviewToolbar(strip, digits, MenuButton(QString::fromUtf8("主菜单"), false),
                           MenuButton(QString::fromUtf8("游戏模式"), true, true), timeBar),
            previewDir.filePath(QStringLiteral("toolbar.png")));
    SavePng(PreviewChooser(Chooser(Words::Drawn)), previewDir.filePath(QStringLiteral("chooser.png")));
    SavePng(PreviewSplash(Splash(Words::Drawn), loading), previewDir.filePath(QStringLiteral("splash.png")));
    namespace e = toolwindow::editor;
    namespace m = toolwindow::modifier;
    SavePng(PreviewTool(EditorBackground(Words::Drawn),
                        {e::txtGName, e::txtGPath, e::txtGPhotoSum, e::txtGMaxX, e::txtGMaxY, e::txtGGameBack,
                         e::txtGMedia, e::CobList, e::txtQM},
                        {e::ComtGPath, e::ComGGameBack, e::ComGMedia}, e::ComOK, e::ComESC, OpenButton(false),
                        WideButton(QString::fromUtf8("确定"), true, false),
                        WideButton(QString::fromUtf8("关闭"), false, true)),
            previewDir.filePath(QStringLiteral("editor.png")));
    SavePng(PreviewTool(ModifierBackground(Words::Drawn),
                        {m::cobGKName, m::txtMaxX, m::txtMaxY, m::txtGGameBack, m::txtGMedia, m::CobList},
                        {m::ComGGameBack, m::ComGMedia}, m::ComOK, m::ComESC, OpenButton(true),
                        WideButton(QString::fromUtf8("确定"), true, true),
                        WideButton(QString::fromUtf8("关闭"), false, false)),
            previewDir.filePath(QStringLiteral("modifier.png")));
    QImage states = NewCanvas(980, 220, Rgb(0xd4d0c8));
    {
        QPainter p(&states);
        p.drawImage(0, 10, StatePicture(State::Paused, Words::Drawn));
        p.drawImage(330, 10, StatePicture(State::TimedOut, Words::Drawn));
        p.drawImage(660, 10, StatePicture(State::Cleared, Words::Drawn));
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

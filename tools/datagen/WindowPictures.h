#pragma once

// The pictures of the game's windows, one function a picture, drawn at
// the scale windowart::gArtScale stands at; WriteWindowArt() saves them.
// The pictures the game keeps are drawn without their words: the game
// draws those over them in the language it speaks (presentation/
// PictureWords, and the level tools' labels), at the places and in the
// style given here. With words (Words::Drawn) they serve the previews.

#include "ToolWindowLayout.h"

#include <QImage>
#include <QString>

#include <vector>

namespace daz::datagen::windowart {

// The main window (MainWindowArt.cpp).
QImage Digit(int digit);
enum class Words { Left, Drawn };
enum class State { Paused, TimedOut, Cleared };
QImage StatePicture(State state, Words words);
// The main and the mode menu buttons of the toolbar, 70 and 83 x 20.
QImage MenuButton(const QString& text, bool hover, bool mode = false);
QImage Toolbar();
QImage Pointer();
QImage TimeBar();

// The pictures around the start of the game (TitleArt.cpp).
QImage Splash(Words words);
QImage LoadingBar();
// Where the mode chooser's labels lie (pixels): five entries 120 x 29 at
// x 112 and these tops; the description 257 x 25 at (48, 328).
inline constexpr int kEntryTops[] = {96, 140, 184, 228, 272};
QImage Chooser(Words words);
QImage AppIcon(int size);

// The level tools (ToolWindowArt.cpp).
using toolwindow::Rect;
QRectF ToF(const Rect& r);
QImage EditorBackground(Words words);
QImage ModifierBackground(Words words);
QImage OpenButton(bool hover);
QImage WideButton(const QString& text, bool primary, bool hover);

// Previews with the windows' texts in place (WindowArtPreviews.cpp).
QImage PreviewToolbar(const QImage& strip, const std::vector<QImage>& digits, const QImage& mainButton,
                      const QImage& modeHover, const QImage& timeBar);
QImage PreviewChooser(const QImage& chooser);
QImage PreviewSplash(const QImage& splash, const QImage& bar);
QImage PreviewTool(const QImage& background, const std::vector<Rect>& fields, const std::vector<Rect>& opens,
                   const Rect& ok, const Rect& esc, const QImage& open, const QImage& okImage, const QImage& escImage);

} // namespace daz::datagen::windowart

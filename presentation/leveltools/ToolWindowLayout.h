#pragma once

// Where the controls of the level editor and the level modifier lie, in
// pixels from the top-left corner of the window's client area. The
// windows' background pictures are painted with the sunken frames already
// in place around these rectangles, so the windows must put their controls
// exactly here and keep their client area at the given size. The words
// (the title, the fields' captions left of them and the notes) are the
// windows' own labels, over the picture's free places.
namespace daz::toolwindow {

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

// Sizes of the button pictures (rest and hover pictures are the same size).
inline constexpr int kOpenButtonWidth = 30; // open.png, open-hover.png
inline constexpr int kOpenButtonHeight = 24;
inline constexpr int kWideButtonWidth = 88; // ok.png, esc.png and their hover pictures
inline constexpr int kWideButtonHeight = 30;

// The title and the line under it, in the header band of both windows.
inline constexpr Rect kTitle{72, 8, 360, 30};
inline constexpr Rect kSubtitle{73, 37, 360, 18};
// A caption ends this far left of its field.
inline constexpr int kCaptionGap = 10;

// The level editor, LevelEditorWindow.
namespace editor {

inline constexpr int kWidth = 440;
inline constexpr int kHeight = 440;

inline constexpr Rect txtGName{132, 84, 272, 22};
inline constexpr Rect txtGPath{132, 116, 234, 22};
inline constexpr Rect ComtGPath{374, 115, kOpenButtonWidth, kOpenButtonHeight};
inline constexpr Rect txtGPhotoSum{132, 148, 48, 22};
inline constexpr Rect txtGMaxX{132, 180, 48, 22};
inline constexpr Rect txtGMaxY{290, 180, 48, 22};
inline constexpr Rect picGBackColor{132, 228, 48, 22};
inline constexpr Rect txtGGameBack{132, 260, 234, 22};
inline constexpr Rect ComGGameBack{374, 259, kOpenButtonWidth, kOpenButtonHeight};
inline constexpr Rect txtGMedia{132, 292, 234, 22};
inline constexpr Rect ComGMedia{374, 291, kOpenButtonWidth, kOpenButtonHeight};
inline constexpr Rect CobList{132, 324, 160, 24};
inline constexpr Rect txtQM{132, 358, 160, 22};
inline constexpr Rect ComGNames{68, 398, kWideButtonWidth, kWideButtonHeight};
inline constexpr Rect ComOK{176, 398, kWideButtonWidth, kWideButtonHeight};
inline constexpr Rect ComESC{284, 398, kWideButtonWidth, kWideButtonHeight};

// The notes beside and under the fields.
inline constexpr Rect photoSumNote{190, 148, 240, 22};
inline constexpr Rect sizeNote{132, 206, 280, 16};
inline constexpr Rect colourNote{190, 228, 240, 22};
inline constexpr Rect makerNote{302, 358, 120, 22};

} // namespace editor

// The level modifier, LevelModifierWindow.
namespace modifier {

inline constexpr int kWidth = 440;
inline constexpr int kHeight = 356;

inline constexpr Rect cobGKName{132, 84, 272, 24};
inline constexpr Rect txtMaxX{132, 120, 48, 22};
inline constexpr Rect txtMaxY{290, 120, 48, 22};
inline constexpr Rect picGBackColor{132, 168, 48, 22};
inline constexpr Rect txtGGameBack{132, 200, 234, 22};
inline constexpr Rect ComGGameBack{374, 199, kOpenButtonWidth, kOpenButtonHeight};
inline constexpr Rect txtGMedia{132, 232, 234, 22};
inline constexpr Rect ComGMedia{374, 231, kOpenButtonWidth, kOpenButtonHeight};
inline constexpr Rect CobList{132, 264, 160, 24};
inline constexpr Rect ComOK{122, 314, kWideButtonWidth, kWideButtonHeight};
inline constexpr Rect ComESC{230, 314, kWideButtonWidth, kWideButtonHeight};

inline constexpr Rect sizeNote{132, 146, 280, 16};
inline constexpr Rect colourNote{190, 168, 240, 22};

} // namespace modifier

} // namespace daz::toolwindow

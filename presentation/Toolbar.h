#pragma once

#include <array>
#include <functional>

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

namespace daz {

class Round;

// The strip of clickable text labels over the board (restart, pause, undo,
// hint, shuffle), and the two picture buttons that open the menus. It
// holds what only the strip shows: hover colours and button pictures.
class Toolbar : public QObject {
    Q_OBJECT

public:
    // Label indexes, as the strip numbers them (there is no label 1).
    enum Index { Restart = 0, Pause = 2, Undo = 3, Hint = 4, Shuffle = 5 };
    static constexpr std::array<int, 5> kLabels{Restart, Pause, Undo, Hint, Shuffle};

    enum class MenuButton { Main, Mode };

    // Colours 0x00BBGGRR of a label's text at rest and under the mouse.
    static constexpr unsigned kRestColour = 0x404040;
    static constexpr unsigned kHoverColour = 0x0080FF;
    // … and of a tool the score cannot pay for.
    static constexpr unsigned kUnpaidColour = 0xA0A0A0;

    Toolbar(Round& round, std::function<void()> restart);

    // Where each label sits in the strip, in twips.
    static QRect LabelRect(int index);

    // The keys of each command and of the two menu buttons, and the
    // tooltips that name them.
    static QList<QKeySequence> Keys(int index);
    static QKeySequence MenuButtonKey(MenuButton button);
    static QString ToolTip(int index);
    static QString MenuButtonToolTip(MenuButton button);

    QString Text(int index) const;
    bool Enabled(int index) const;
    // Whether the score pays for the label's tool (undo, hint, shuffle);
    // true for the labels that cost nothing.
    bool ScorePays(int index) const;
    unsigned Colour(int index) const;

    // A tool the score cannot pay for is refused: the round's cue, and
    // refused() with the reason for the strip to show.
    void Click(int index);
    void HoverLabel(int index);
    void LeaveLabel(int index);
    // The pointer over the strip's own background: every label and both
    // buttons go back to rest.
    void HoverStrip();

    void HoverMenuButton(MenuButton button);
    void RestMenuButton(MenuButton button);
    // The picture-list entry a menu button shows now (11/12 and 16/17).
    int MenuButtonPicture(MenuButton button) const;

signals:
    void changed();
    void refused(int index, const QString& why);

private:
    static std::size_t Slot(int index);

    Round& round_;
    std::function<void()> restart_;
    std::array<bool, 6> hovered_{};
    bool mainHovered_ = false;
    bool modeHovered_ = false;
};

} // namespace daz

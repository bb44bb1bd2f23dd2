#pragma once

#include <array>

#include <QObject>
#include <QRect>
#include <QString>

namespace daz {

class GameActions;
class Round;

// The strip of clickable text labels over the board (restart, pause, undo,
// hint, shuffle), and the two picture buttons that open the menus. Each
// label and button triggers its action; the strip holds what only it
// shows: the labels' texts, hover colours and the buttons' pictures.
class Toolbar : public QObject {
    Q_OBJECT

public:
    enum class Label { Restart, Pause, Undo, Hint, Shuffle };
    static constexpr std::array<Label, 5> kLabels{Label::Restart, Label::Pause, Label::Undo, Label::Hint,
                                                  Label::Shuffle};

    enum class MenuButton { Main, Mode };

    // Colours 0x00BBGGRR of a label's text at rest and under the mouse.
    static constexpr unsigned kRestColour = 0x404040;
    static constexpr unsigned kHoverColour = 0x0080FF;
    // … and of a tool the score cannot pay for.
    static constexpr unsigned kUnpaidColour = 0xA0A0A0;

    Toolbar(const Round& round, const GameActions& actions);

    // The objectName of the action a label or a button triggers.
    static QString ActionOf(Label label);
    static QString ActionOf(MenuButton button);
    // Where each label sits in the strip, in twips.
    static QRect LabelRect(Label label);

    QString Text(Label label) const;
    // What a screen reader calls the label: its command, and for a counted
    // tool the uses left ("撤消，剩余 3 次").
    QString AccessibleName(Label label) const;
    // A label takes clicks while its action is enabled; the pause label
    // pauses only (its key also goes on from the pause picture).
    bool Enabled(Label label) const;
    unsigned Colour(Label label) const;
    // A tool that takes clicks but that the score cannot pay for now: it
    // shows grey and struck through, and a click on it is refused.
    bool Unpaid(Label label) const;

    // Triggers the label's action when the label is enabled.
    void Click(Label label);
    void HoverLabel(Label label);
    void LeaveLabel(Label label);
    // The pointer over the strip's own background: every label and both
    // buttons go back to rest.
    void HoverStrip();

    void HoverMenuButton(MenuButton button);
    void RestMenuButton(MenuButton button);
    // The picture-list entry a menu button shows now (11/12 and 16/17).
    int MenuButtonPicture(MenuButton button) const;

signals:
    void changed();

private:
    static std::size_t Slot(Label label) { return static_cast<std::size_t>(label); }

    const Round& round_;
    const GameActions& actions_;
    std::array<bool, kLabels.size()> hovered_{};
    bool mainHovered_ = false;
    bool modeHovered_ = false;
};

} // namespace daz

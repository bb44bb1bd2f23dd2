#pragma once

#include <functional>

#include <QStringList>
#include <QWidget>

#include "presentation/Toolbar.h"

class QAction;
class QLabel;
class QMenu;

namespace daz {

class Announcer;
class AudioSwitches;
class BoardCaption;
class BoardMotion;
class BoardView;
class GameActions;
class GameFlow;
class GameInfo;
class HelpWindow;
class OverlayBox;
class Particles;
class QuitKey;
class Round;
class ToolStrip;
namespace platform {
class MessageBoxes;
} // namespace platform

// The main game window: the tool strip, the board and the overlay picture,
// with the two pop-up menus. Its commands are the actions of GameActions,
// which its menus list and whose keys work in it; the keys it does not
// take go to the board view.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The level tools open as modal windows; the hooks run them. The
    // editor's tells whether a level was made.
    struct LevelTools {
        std::function<bool(QWidget* parent)> openEditor;
        std::function<void(QWidget* parent)> openModifier;
    };

    // What the window shows and drives, each built once beside it.
    struct Parts {
        GameFlow& flow;
        Round& round;
        AudioSwitches& audio;
        BoardMotion& motion;
        Particles& particles;
        const BoardCaption& caption;
        GameInfo& info;
        platform::MessageBoxes& boxes;
    };

    MainWindow(Parts parts, LevelTools tools);
    ~MainWindow() override;

    // Ends the game as 退出 does: the windows open over this one close,
    // then this one, which keeps the player's progress.
    void Quit();

    ToolStrip* Strip() const { return strip_; }
    BoardView* Board() const { return board_; }
    Announcer* Announcements() const { return announcer_; }
    QLabel* ShowBox() const;
    OverlayBox* Overlay() const { return overlay_; }
    QLabel* Credits() const { return credits_; }
    // Pixels per twip at which the window draws everything at this size.
    static double ScaleFor(QSize size);

    // Where the pop-up menu of a button opens, in global coordinates.
    QPoint MenuPosition(Toolbar::MenuButton button) const;
    // The main menu's 成绩榜 runs this, with the window as the parent.
    void SetRecordsOpener(std::function<void(QWidget* parent)> open) { openRecords_ = std::move(open); }
    // The main menu's 设置 runs this, with the window as the parent.
    void SetSettingsOpener(std::function<void(QWidget* parent)> open) { openSettings_ = std::move(open); }
    // The main menu's languages: the choice kept now (empty to follow the
    // desktop, "zh", "en") is checked, and a choice made runs choose, which
    // installs its translators; the windows then set their texts again.
    void SetLanguageChooser(const QString& current, std::function<void(const QString& choice)> choose);
    // The level pauses when the player goes away from it: the window
    // minimised, another program taking the focus, the screen locked
    // (PlayerAway()). On unless the player turns it off; coming back, the
    // level stays paused until the player goes on.
    void SetPauseWhenAway(bool on) { pauseWhenAway_ = on; }
    bool PausesWhenAway() const { return pauseWhenAway_; }
    void PlayerAway();
    // Untimed play, the player's choice (Round::SetUntimedPlay): on, it
    // takes the level in play too; off, it starts with the next level.
    void SetUntimed(bool on);
    // Set by tests: opens the menus without waiting in their event loop.
    void SetMenuRunner(std::function<void(QMenu*, QPoint)> runner) { runMenu_ = std::move(runner); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void BuildMenus();
    // Every text of the window and its menus, in the language installed now.
    void Retranslate();
    // The window runs the commands that open windows.
    void ConnectWindowCommands();
    void OpenMenu(Toolbar::MenuButton button);
    void ShowOverlay();
    void ShowHelp(const QString& text);
    void LayOut();

    Parts parts_;
    LevelTools tools_;
    GameActions* actions_;
    Toolbar toolbar_;
    ToolStrip* strip_;
    BoardView* board_;
    OverlayBox* overlay_;
    QLabel* credits_;
    Announcer* announcer_;
    QuitKey* quitKey_; // Ctrl+Q in every window of the game
    HelpWindow* help_ = nullptr;
    QMenu* mainMenu_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    QMenu* levelMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    std::function<void(const QString&)> chooseLanguage_;
    std::function<void(QMenu*, QPoint)> runMenu_;
    bool pauseWhenAway_ = true;
    std::function<void(QWidget*)> openRecords_ = [](QWidget*) {};
    std::function<void(QWidget*)> openSettings_;
    bool unloaded_ = false;
    bool centred_ = false;
};

} // namespace daz

#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "game/GameFlow.h"
#include "presentation/GameParts.h"
#include "presentation/OverlayBox.h"
#include "presentation/Toolbar.h"

class QAction;
class QLabel;
class QMenu;

namespace daz {

class BoardView;
class HelpWindow;
class QuitKey;
class ToolStrip;

// The main game window: the tool strip, the board and the overlay picture,
// with the two pop-up menus. Everything it shows comes from the
// game's flow and parts; it forwards the mouse and the menu commands.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The level tools open as modal windows; the hooks run them. The
    // editor's tells whether a level was made.
    struct LevelTools {
        std::function<bool(QWidget* parent)> openEditor;
        std::function<void(QWidget* parent)> openModifier;
    };

    MainWindow(GameParts& parts, LevelTools tools);
    ~MainWindow() override;

    // Ends the game as 退出 does: the windows open over this one close,
    // then this one, which keeps the player's progress.
    void Quit();

    ToolStrip* Strip() const { return strip_; }
    BoardView* Board() const { return board_; }
    QLabel* ShowBox() const { return overlay_->Picture(); }
    OverlayBox* Overlay() const { return overlay_; }
    QLabel* Credits() const { return credits_; }
    // Pixels per twip at which the window draws everything at this size.
    static double ScaleFor(QSize size);
    QMenu* MainMenu() const { return mainMenu_; }
    QMenu* ModeMenu() const { return modeMenu_; }
    QMenu* LevelMenu() const { return levelMenu_; }
    QAction* SoundItem() const { return soundItem_; }
    QAction* MediaItem() const { return musicItem_; }
    QAction* ModeItem(int mode) const { return modeItems_[static_cast<std::size_t>(mode)]; }
    QAction* LevelItem(int level) const { return levelItems_[static_cast<std::size_t>(level)]; }
    // The item of the main menu with this text.
    QAction* MainItem(const QString& text) const;
    // The help window, once the help was opened.
    HelpWindow* Help() const { return help_; }

    // Where the pop-up menu of a button opens, in global coordinates.
    QPoint MenuPosition(Toolbar::MenuButton button) const;
    // The main menu's 成绩榜 runs this, with the window as the parent.
    void SetRecordsOpener(std::function<void(QWidget* parent)> open) { openRecords_ = std::move(open); }
    // Set by tests: opens the menus without waiting in their event loop.
    void SetMenuRunner(std::function<void(QMenu*, QPoint)> runner) { runMenu_ = std::move(runner); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    // The window's own keys: the toolbar's commands and the two menus.
    void BuildKeys();
    // A menu item's keys work while its menu is closed, and show in it.
    void GiveKeys(QAction* item, const QList<QKeySequence>& keys);
    void OpenMenu(Toolbar::MenuButton button);
    void ShowOverlay();
    void ShowSwitches();
    void ShowModes();
    void ShowLevelMenu();
    void ShowHelp(const QString& text);
    void LayOut();

    GameParts& parts_;
    GameFlow& flow_;
    LevelTools tools_;
    ToolStrip* strip_;
    BoardView* board_;
    OverlayBox* overlay_;
    QLabel* credits_;
    QuitKey* quitKey_; // Ctrl+Q in every window of the game
    HelpWindow* help_ = nullptr;
    QMenu* mainMenu_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    QMenu* levelMenu_ = nullptr;
    QAction* soundItem_ = nullptr;
    QAction* musicItem_ = nullptr;
    std::array<QAction*, 5> modeItems_{};
    std::array<QAction*, GameFlow::kLevelMenuSize + 1> levelItems_{}; // [1 … size]
    std::function<void(QMenu*, QPoint)> runMenu_;
    std::function<void(QWidget*)> openRecords_ = [](QWidget*) {};
    bool unloaded_ = false;
    bool centred_ = false;
};

} // namespace daz

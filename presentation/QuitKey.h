#pragma once

#include <QKeySequence>
#include <QObject>

class QWidget;

namespace daz {

// Ctrl+Q quits from every window of the game, as the main menu's 退出
// does. One filter on the application sees the key in whichever window it
// is pressed. The windows open over the main window (a menu, a box, 成绩榜,
// the help, the level tools, the folder chooser) close first, the innermost
// first, each returning from its own loop; then the main window closes,
// which keeps the player's progress.
class QuitKey : public QObject {
public:
    static QKeySequence Key() { return QKeySequence(Qt::CTRL | Qt::Key_Q); }

    // Watches the application's keys while the main window lives.
    explicit QuitKey(QWidget* mainWindow);

    // Closes what is open over the main window, then the main window. A
    // window that will not close keeps the game open.
    void Quit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* main_;
};

} // namespace daz

#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;

namespace daz {

class MainWindow;
class PlayerPreferences;

// 设置: the player's choices about how the game behaves, each applied the
// moment it changes (the window has nothing to confirm), laid out for the
// keyboard: Tab walks the choices, Space turns one, Esc closes.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    SettingsWindow(bool pauseWhenAway, QWidget* parent);

    QCheckBox* PauseWhenAway() const { return pauseWhenAway_; }
    QCheckBox* Untimed() const { return untimed_; }

signals:
    void pauseWhenAwayChanged(bool on);
    void untimedChanged(bool on);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text, in the language installed now.
    void Retranslate();

    QCheckBox* pauseWhenAway_;
    QLabel* pauseNote_;
    QCheckBox* untimed_; // off until the opener says
    QLabel* untimedNote_;
    QDialogButtonBox* buttons_;
};

// 设置 over the main window, until the player closes it: each choice goes
// to the window at once and into the player's preferences.
void OpenSettings(QWidget* parent, PlayerPreferences& preferences, MainWindow& window);

} // namespace daz

#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;

namespace daz {

class MainWindow;
class Looks;
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
    // Ticked as the looks are now, the desktop's wish until the player
    // chooses; a choice goes out as lessMotionChanged or highContrastChanged.
    QCheckBox* LessMotion() const { return lessMotion_; }
    QCheckBox* HighContrast() const { return highContrast_; }

signals:
    void pauseWhenAwayChanged(bool on);
    void untimedChanged(bool on);
    void lessMotionChanged(bool on);
    void highContrastChanged(bool on);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text, in the language installed now.
    void Retranslate();

    QCheckBox* pauseWhenAway_;
    QLabel* pauseNote_;
    QCheckBox* untimed_; // off until the opener says
    QLabel* untimedNote_;
    QCheckBox* lessMotion_;
    QCheckBox* highContrast_;
    QLabel* looksNote_;
    QDialogButtonBox* buttons_;
};

// 设置 over the main window, until the player closes it: each choice goes
// to the window (or the looks) at once and into the player's preferences.
// While it is open, the boxes of the looks follow the desktop's wish until
// the player chooses.
void OpenSettings(QWidget* parent, PlayerPreferences& preferences, MainWindow& window, Looks& looks);

} // namespace daz

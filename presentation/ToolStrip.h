#pragma once

#include <array>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "presentation/Toolbar.h"

class QPainter;

namespace daz {

class AudioSwitches;
class GameActions;
class GameFlow;
class Round;
struct ScoreDisplay;

// A text label that reports the pointer moving over it and left clicks.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);
    // A click as the pointer makes it; a screen reader presses it so.
    void Click() { emit clicked(); }

signals:
    void hovered();
    void left();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

// The time bar: a picture stretched to the width of the time left.
class TimeBar : public QWidget {
    Q_OBJECT

public:
    explicit TimeBar(QWidget* parent = nullptr);
    void SetTimeLeft(float twips);
    // Pixels per twip of the time left.
    void SetScale(double pixelsPerTwip);
    // The accessible name again, in the language installed now.
    void Retranslate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float timeLeft_ = 0;
    double scale_ = 1.0 / 15;
    int barWidth_ = 0;
    int percent_ = -1; // of the full time, as a screen reader reads it
};

// The strip at the top of the main window: the two menu buttons, the
// toolbar labels, the audio toggles, the player's name, the score with its
// rank, and the time bar. It is laid out in twips and drawn at the scale
// the window gives it, its contents centred in its width.
class ToolStrip : public QWidget {
    Q_OBJECT

public:
    // The contents' size in twips: as wide as the window was designed.
    static constexpr int kContentWidth = 11925;
    static constexpr int kHeight = 915;
    // How long the note of a refused tool stays, in ms.
    static constexpr int kRefusalNoteTime = 1500;

    ToolStrip(Toolbar& toolbar, GameActions& actions, const GameFlow& flow, const Round& round,
              const AudioSwitches& audio, QWidget* parent = nullptr);

    // Pixels per twip; the strip takes the given width and its height at
    // that scale.
    void SetScale(double pixelsPerTwip, int width);
    double Scale() const { return scale_; }

    // The picture button that opens a menu. The other parts are named:
    // the labels by their actions ("undoLabel" …), the buttons
    // "mainMenuButton" and "modeMenuButton", the switches "musicToggle" and
    // "effectsToggle", the score's digits "digit1" (the units) … "digit8".
    ClickLabel* MenuButton(Toolbar::MenuButton button) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A child and where it sits in twips; text widens it to fit.
    struct Placed {
        QWidget* widget;
        QRect twips;
        bool text;
    };

    QLabel* AddText(const QString& text, QRect twips, QColor colour);
    void Place(QWidget* widget, QRect twips, bool text);
    void LayOutChildren();
    // The tools' labels, where their texts overrun their places.
    void SpreadToolLabels(int left);
    // The background at the strip's size and screen, from the cache of
    // pictures: drawn once per size, scale and screen.
    void ScaleBackground();
    void DrawBackground(QPainter& p) const;
    void ShowToggle(QPushButton* toggle, bool music);
    void ShowLabels();
    void ShowSwitches();
    void ShowScore(std::int64_t points, bool withTitle);
    // Every text and tool tip again, in the language installed now (the
    // window retranslates the actions first).
    void Retranslate();
    ClickLabel* Label(Toolbar::Label label) const { return labels_[static_cast<std::size_t>(label)]; }

    Toolbar& toolbar_;
    GameActions& actions_;
    const AudioSwitches& audio_;
    QPixmap picture_;    // the strip's picture at its own size
    QPixmap background_; // … and at the strip's size and screen
    double scale_ = 1.0 / 15;
    std::vector<Placed> placed_;
    std::array<ClickLabel*, Toolbar::kLabels.size()> labels_{};
    ClickLabel* mainButton_ = nullptr;
    ClickLabel* modeButton_ = nullptr;
    QPushButton* checkMedia_ = nullptr;
    QPushButton* checkSound_ = nullptr;
    std::array<QLabel*, 9> digits_{}; // [1 … 8], 1 the units
    QLabel* name_ = nullptr;
    QLabel* rank_ = nullptr;
    QLabel* scoreWords_ = nullptr; // "积分：", whose accessible name carries the score
    std::int64_t score_ = 0;
    bool titleShown_ = false;                            // the rank's title shows, not the one before the score is read
    std::vector<std::pair<QLabel*, const char*>> words_; // the fixed words and their source texts
    TimeBar* timeBar_ = nullptr;
};

} // namespace daz

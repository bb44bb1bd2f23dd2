#pragma once

#include <array>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "presentation/Toolbar.h"

namespace daz {

class MainController;

// A text label that reports the pointer moving over it and left clicks.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void hovered();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The time bar: a picture stretched to the width of the time left.
class TimeBar : public QWidget {
    Q_OBJECT

public:
    explicit TimeBar(QWidget* parent = nullptr);
    void SetTimeLeft(float twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int barWidth_ = 0;
};

// The strip at the top of the main window: the two menu buttons, the
// toolbar labels, the audio toggles, the player's name, the score with its
// rank, and the time bar.
class ToolStrip : public QWidget {
    Q_OBJECT

public:
    ToolStrip(MainController& controller, QWidget* parent = nullptr);

    ClickLabel* Label(int index) const { return labels_[static_cast<std::size_t>(index)]; }
    ClickLabel* MenuButton(Toolbar::MenuButton button) const;
    QPushButton* CheckMedia() const { return checkMedia_; }
    QPushButton* CheckSound() const { return checkSound_; }
    QLabel* Digit(int position) const { return digits_[static_cast<std::size_t>(position)]; }
    QLabel* Rank() const { return rank_; }
    QLabel* Name() const { return name_; }
    TimeBar* Time() const { return timeBar_; }

signals:
    void menuButtonClicked(Toolbar::MenuButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* AddText(const QString& text, QRect twips, QColor colour);
    void ShowLabels();
    void ShowSwitches();
    void ShowScore();

    MainController& controller_;
    Toolbar& toolbar_;
    QPixmap background_;
    std::array<ClickLabel*, 6> labels_{};
    ClickLabel* mainButton_ = nullptr;
    ClickLabel* modeButton_ = nullptr;
    QPushButton* checkMedia_ = nullptr;
    QPushButton* checkSound_ = nullptr;
    std::array<QLabel*, 9> digits_{}; // [1 … 8], 1 the units
    QLabel* name_ = nullptr;
    QLabel* rank_ = nullptr;
    TimeBar* timeBar_ = nullptr;
};

} // namespace daz

#pragma once

#include <array>
#include <functional>

#include "presentation/ModeChooser.h"
#include "presentation/ShapedWindow.h"

class QLabel;

namespace daz {

// The mode chooser: a shaped window (black is see-through) with the four
// game modes and "退出游戏" as text entries over its picture, and a line
// that describes the entry under the pointer. It can be dragged by its
// background. It deletes itself once closed, so create it with new.
//
// Choosing a mode sets GameMode, hides the chooser, calls onModeChosen
// (which opens the main window) and closes the chooser. "退出游戏" closes
// it at once; with no other window left the program ends.
class ModeChooserWindow : public ShapedWindow {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{361, 368};

    ModeChooserWindow(platform::EffectPlayer& effects, DataFolders folders, QWidget* parent = nullptr);

    // The load step: shapes, centres and shows the window.
    void Load();

    ModeChooser& Model() { return chooser_; }
    QLabel* EntryLabel(int index) const;
    QLabel* DescriptionLabel() const { return description_; }

    std::function<void(int mode)> onModeChosen;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab walk the entries.
    bool focusNextPrevChild(bool next) override;

private:
    // Where the pointer is, in twips from the window's corner as it stands
    // now (not where it stood when the event was queued).
    QPointF PointerTwips(const QMouseEvent& event) const;
    void ShowState();
    // Every text again, in the language installed now.
    void Retranslate();
    void HandOver(int mode);

    ModeChooser chooser_;
    std::array<QLabel*, 5> entries_{}; // by entry index
    QLabel* description_;
};

} // namespace daz

#pragma once

#include <vector>

#include <QAction>
#include <QObject>
#include <QString>

#include "platform/MessageBoxes.h"

namespace daz {

class AudioSwitches;
class GameFlow;
class GameInfo;
class Round;

// Every command of the main window, each one QAction named by its
// objectName: the tools ("restart", "pause", "undo", "hint", "shuffle"),
// the menus' buttons ("mainMenu", "modeMenu"), the main menu's items
// ("randomLevel", "level1" …, "records", "effects", "music",
// "levelModifier", "levelEditor", "help", "feedback", "softwareDownload",
// "levelDownload", "about", "quit") and the modes ("mode1" … "mode4").
// The toolbar's labels, the menus and the keys all trigger them. The
// window runs the ones that open windows (the menus, 成绩榜, the level
// tools, quitting); the rest act here.
class GameActions : public QObject {
    Q_OBJECT

public:
    GameActions(GameFlow& flow, Round& round, AudioSwitches& audio, GameInfo& info, platform::MessageBoxes& boxes,
                QObject* parent = nullptr);

    // The action of this objectName; null for none.
    QAction* Get(const QString& name) const;
    const std::vector<QAction*>& All() const { return all_; }
    // The level menu's items, [0] for level 1, and the modes', [0] for mode 1.
    const std::vector<QAction*>& Levels() const { return levels_; }
    const std::vector<QAction*>& Modes() const { return modes_; }

    // Whether the score pays for a tool ("undo", "hint", "shuffle"); true
    // for the commands that cost nothing.
    bool ScorePays(const QString& name) const;

signals:
    // A tool the score cannot pay for was refused, and why.
    void refused(const QString& name, const QString& why);

private:
    QAction* Add(const char* name, const QString& text, const QList<QKeySequence>& keys = {},
                 const QString& toolTip = {});
    // The one place that enables the commands from the round's state.
    void ShowState();
    void ShowSwitches();
    void ShowModes();
    void ShowLevelMenu();

    GameFlow& flow_;
    Round& round_;
    AudioSwitches& audio_;
    std::vector<QAction*> all_;
    std::vector<QAction*> levels_;
    std::vector<QAction*> modes_;
};

} // namespace daz

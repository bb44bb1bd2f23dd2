#pragma once

#include <functional>
#include <utility>
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
// ("randomLevel", "level1" …, "records", "settings", "effects", "music",
// "levelModifier", "levelEditor", "help", "feedback", "softwareDownload",
// "levelDownload", "about", "quit"), the modes ("mode1" … "mode4") and
// the languages ("languageSystem", "languageChinese", "languageEnglish").
// The toolbar's labels, the menus and the keys all trigger them. The
// window runs the ones that open windows (the menus, 成绩榜, 设置, the
// level tools, quitting); the rest act here.
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

    // The language chosen, as the preferences keep it (empty to follow the
    // desktop, "zh", "en"): its item is checked.
    void ShowLanguage(const QString& choice);
    const QString& Language() const { return language_; }
    // Sets every text and tool tip again, in the language now installed.
    void Retranslate();

signals:
    // A tool the score cannot pay for was refused, and why.
    void refused(const QString& name, const QString& why);
    // The player chose a language from the menu.
    void languageChosen(const QString& choice);

private:
    // An action whose texts Retranslate sets again.
    QAction* Add(const char* name, std::function<QString()> text, const QList<QKeySequence>& keys = {},
                 std::function<QString()> toolTip = {});
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
    std::vector<std::pair<QAction*, QString>> languages_; // each item and its choice
    QString language_;
    std::vector<std::function<void()>> texts_; // each action's texts, set again
};

} // namespace daz

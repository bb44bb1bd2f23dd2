#include "GameActions.h"

#include "presentation/GameTexts.h"
#include "presentation/LevelNames.h"

#include <QStringList>

#include "game/AudioSwitches.h"
#include "game/GameFlow.h"
#include "game/GameState.h"
#include "game/Round.h"
#include "presentation/GameInfo.h"
#include "presentation/QuitKey.h"

namespace daz {
namespace {

// A tool tip names the keys of its command.
QString WithKeys(const QString& text, const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys) {
        names.append(key.toString(QKeySequence::NativeText));
    }
    return GameActions::tr("%1（%2）").arg(text, names.join(GameActions::tr(" 或 ")));
}

// What each tool costs.
int CostOf(const QString& name)
{
    if (name == u"undo") {
        return kUndoCost;
    }
    if (name == u"hint") {
        return kHintCost;
    }
    if (name == u"shuffle") {
        return kShuffleCost;
    }
    return 0;
}

// The action that uses a tool.
const char* NameOf(Tool tool)
{
    switch (tool) {
    case Tool::Undo: return "undo";
    case Tool::Hint: return "hint";
    case Tool::Shuffle: return "shuffle";
    case Tool::Pause: return "pause";
    }
    return "";
}

} // namespace

GameActions::GameActions(GameFlow& flow, Round& round, AudioSwitches& audio, GameInfo& info,
                         platform::MessageBoxes& boxes, QObject* parent)
    : QObject(parent), flow_(flow), round_(round), audio_(audio)
{
    // The tools over the board.
    const QList<QKeySequence> restartKeys{QKeySequence(Qt::Key_F5)};
    connect(Add("restart", tr("重新开始"), restartKeys, WithKeys(tr("从头再玩本关"), restartKeys)), &QAction::triggered,
            this, [this, &boxes] {
                if (platform::Ask(boxes, tr("你真的要重新开始吗？"), tr("友情提示"))) {
                    flow_.Restart();
                }
            });
    const QList<QKeySequence> pauseKeys{QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)};
    // The key also goes on from the pause picture, as its click does.
    connect(Add("pause", tr("暂停"), pauseKeys, WithKeys(tr("暂停，再按一次继续"), pauseKeys)), &QAction::triggered,
            this, [this] {
                if (round_.GetPhase() == Phase::Paused) {
                    flow_.ClickOverlay();
                } else {
                    round_.Use(Tool::Pause);
                }
            });
    const QList<QKeySequence> undoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
    connect(Add("undo", tr("撤消"), undoKeys, WithKeys(tr("放回最后消掉的一对牌，花 2 分"), undoKeys)),
            &QAction::triggered, this, [this] { round_.Use(Tool::Undo); });
    const QList<QKeySequence> hintKeys{QKeySequence(Qt::Key_H)};
    connect(Add("hint", tr("提示"), hintKeys, WithKeys(tr("让一对能消的牌闪烁，花 2 分"), hintKeys)),
            &QAction::triggered, this, [this] { round_.Use(Tool::Hint); });
    const QList<QKeySequence> shuffleKeys{QKeySequence(Qt::Key_S)};
    connect(Add("shuffle", tr("重排"), shuffleKeys, WithKeys(tr("把剩下的牌重新打乱，花 10 分"), shuffleKeys)),
            &QAction::triggered, this, [this] { round_.Use(Tool::Shuffle); });

    // The two menus' buttons; the window opens the menus.
    const QList<QKeySequence> mainKeys{QKeySequence(Qt::ALT | Qt::Key_M)};
    Add("mainMenu", tr("主菜单"), mainKeys, WithKeys(tr("主菜单"), mainKeys));
    const QList<QKeySequence> modeKeys{QKeySequence(Qt::ALT | Qt::Key_G)};
    Add("modeMenu", tr("游戏模式"), modeKeys, WithKeys(tr("游戏模式"), modeKeys));

    // The main menu.
    connect(Add("randomLevel", tr("随机选关")), &QAction::triggered, this, [this] { flow_.RandomLevel(); });
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = Add(qPrintable(QStringLiteral("level%1").arg(i)), QString::number(i));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { flow_.ChooseLevel(i); });
        levels_.push_back(item);
    }
    Add("records", tr("成绩榜"), {QKeySequence(Qt::CTRL | Qt::Key_R)});
    QAction* effects = Add("effects", tr("鼠标音效"));
    effects->setCheckable(true);
    connect(effects, &QAction::triggered, this, [this](bool on) { audio_.SetEffectsOn(on); });
    QAction* music = Add("music", tr("背景音乐"));
    music->setCheckable(true);
    connect(music, &QAction::triggered, this, [this](bool on) { audio_.SetMusicOn(on); });
    Add("levelModifier", tr("霁岚--关卡修改器"));
    Add("levelEditor", tr("霁岚--关卡编辑器"));
    connect(Add("help", tr("主题帮助"), {QKeySequence(Qt::Key_F1)}), &QAction::triggered, &info, &GameInfo::OpenHelp);
    connect(Add("feedback", tr("建议反馈")), &QAction::triggered, &info, &GameInfo::SendFeedback);
    connect(Add("softwareDownload", tr("最新软件下载")), &QAction::triggered, &info, &GameInfo::OpenDownloads);
    connect(Add("levelDownload", tr("最新关卡下载")), &QAction::triggered, &info, &GameInfo::OpenDownloads);
    connect(Add("about", tr("关于作者")), &QAction::triggered, &info, &GameInfo::ShowAbout);
    Add("quit", tr("退出"), {QuitKey::Key()});

    // The modes: each one's name, and in a few words what it does.
    for (int mode = 1; mode <= kModeCount; ++mode) {
        QAction* item = Add(
            qPrintable(QStringLiteral("mode%1").arg(mode)), tr("%1 — %2").arg(ModeCaption(mode), ModeSummary(mode)),
            {QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_0 + mode)))});
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, mode] { flow_.ChooseMode(mode); });
        modes_.push_back(item);
    }

    connect(&round_, &Round::phaseChanged, this, &GameActions::ShowState);
    // A tool the score cannot pay for is refused by the round, with its
    // cue; the strip says why.
    connect(&round_, &Round::toolRefused, this,
            [this](Tool tool) { emit refused(QString::fromLatin1(NameOf(tool)), tr("积分不足")); });
    connect(&audio_, &AudioSwitches::switchesChanged, this, &GameActions::ShowSwitches);
    connect(&flow_, &GameFlow::modeChanged, this, &GameActions::ShowModes);
    connect(&flow_, &GameFlow::levelMenuChanged, this, &GameActions::ShowLevelMenu);
    ShowState();
    ShowSwitches();
    ShowModes();
    ShowLevelMenu();
}

QAction* GameActions::Add(const char* name, const QString& text, const QList<QKeySequence>& keys,
                          const QString& toolTip)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // A menu item's keys show in its menu.
    action->setShortcutVisibleInContextMenu(true);
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
    }
    all_.push_back(action);
    return action;
}

QAction* GameActions::Get(const QString& name) const
{
    for (QAction* action : all_) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

bool GameActions::ScorePays(const QString& name) const
{
    return round_.Score() >= CostOf(name);
}

void GameActions::ShowState()
{
    // The tools work while a level is played and not paused, whatever the
    // score and the counters (one the score cannot pay for is refused
    // with a cue); the pause key also goes on from the pause picture.
    const Phase phase = round_.GetPhase();
    const bool tools = round_.CanUse(Tool::Pause);
    for (const Tool tool : {Tool::Undo, Tool::Hint, Tool::Shuffle}) {
        Get(QString::fromLatin1(NameOf(tool)))->setEnabled(tools);
    }
    Get(QStringLiteral("pause"))->setEnabled(tools || phase == Phase::Paused);
}

void GameActions::ShowSwitches()
{
    Get(QStringLiteral("effects"))->setChecked(audio_.EffectsOn());
    Get(QStringLiteral("music"))->setChecked(audio_.MusicOn());
}

void GameActions::ShowModes()
{
    const int mode = flow_.Place().mode;
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        modes_[i]->setChecked(static_cast<int>(i) + 1 == mode);
    }
}

void GameActions::ShowLevelMenu()
{
    // "1．name" for each level listed; a level whose catalogue entry is
    // missing is not.
    for (QAction* item : levels_) {
        item->setVisible(false);
    }
    for (const CatalogueEntry& entry : flow_.ListedLevels()) {
        if (entry.number < 1 || entry.number > static_cast<int>(levels_.size())) {
            continue;
        }
        QAction* item = levels_[static_cast<std::size_t>(entry.number - 1)];
        item->setText(tr("%1．%2").arg(QString::number(entry.number), LevelName(entry)));
        item->setVisible(true);
    }
}

} // namespace daz

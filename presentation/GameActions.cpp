#include "GameActions.h"

#include "presentation/GameTexts.h"
#include "presentation/LevelNames.h"

#include <QActionGroup>
#include <QStringList>

#include <tuple>

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
    connect(Add(
                "restart", [] { return tr("重新开始"); }, restartKeys,
                [restartKeys] { return WithKeys(tr("从头再玩本关"), restartKeys); }),
            &QAction::triggered, this, [this, &boxes] {
                if (platform::Ask(boxes, tr("你真的要重新开始吗？"), tr("友情提示"))) {
                    flow_.Restart();
                }
            });
    const QList<QKeySequence> pauseKeys{QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)};
    // The key also goes on from the pause picture, as its click does.
    connect(Add(
                "pause", [] { return tr("暂停"); }, pauseKeys,
                [pauseKeys] { return WithKeys(tr("暂停，再按一次继续"), pauseKeys); }),
            &QAction::triggered, this, [this] {
                if (round_.GetPhase() == Phase::Paused) {
                    flow_.ClickOverlay();
                } else {
                    round_.Use(Tool::Pause);
                }
            });
    const QList<QKeySequence> undoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
    connect(Add(
                "undo", [] { return tr("撤消"); }, undoKeys,
                [undoKeys] { return WithKeys(tr("放回最后消掉的一对牌，花 2 分"), undoKeys); }),
            &QAction::triggered, this, [this] { round_.Use(Tool::Undo); });
    const QList<QKeySequence> hintKeys{QKeySequence(Qt::Key_H)};
    connect(Add(
                "hint", [] { return tr("提示"); }, hintKeys,
                [hintKeys] { return WithKeys(tr("让一对能消的牌闪烁，花 2 分"), hintKeys); }),
            &QAction::triggered, this, [this] { round_.Use(Tool::Hint); });
    const QList<QKeySequence> shuffleKeys{QKeySequence(Qt::Key_S)};
    connect(Add(
                "shuffle", [] { return tr("重排"); }, shuffleKeys,
                [shuffleKeys] { return WithKeys(tr("把剩下的牌重新打乱，花 10 分"), shuffleKeys); }),
            &QAction::triggered, this, [this] { round_.Use(Tool::Shuffle); });

    // The two menus' buttons; the window opens the menus.
    const QList<QKeySequence> mainKeys{QKeySequence(Qt::ALT | Qt::Key_M)};
    Add(
        "mainMenu", [] { return tr("主菜单"); }, mainKeys, [mainKeys] { return WithKeys(tr("主菜单"), mainKeys); });
    const QList<QKeySequence> modeKeys{QKeySequence(Qt::ALT | Qt::Key_G)};
    Add(
        "modeMenu", [] { return tr("游戏模式"); }, modeKeys, [modeKeys] { return WithKeys(tr("游戏模式"), modeKeys); });

    // The main menu.
    connect(Add("randomLevel", [] { return tr("随机选关"); }), &QAction::triggered, this,
            [this] { flow_.RandomLevel(); });
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = Add(qPrintable(QStringLiteral("level%1").arg(i)), [i] { return QString::number(i); });
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { flow_.ChooseLevel(i); });
        levels_.push_back(item);
    }
    Add("records", [] { return tr("成绩榜"); }, {QKeySequence(Qt::CTRL | Qt::Key_R)});
    // The desktop's own key for preferences where it has one (Ctrl+Shift+,
    // on KDE), and Ctrl+, as GNOME's programs use.
    QList<QKeySequence> settingsKeys{QKeySequence(Qt::CTRL | Qt::Key_Comma)};
    if (const QList<QKeySequence> desktop = QKeySequence::keyBindings(QKeySequence::Preferences);
        !desktop.isEmpty() && !settingsKeys.contains(desktop.first())) {
        settingsKeys.append(desktop.first());
    }
    Add(
        "settings", [] { return tr("设置"); }, settingsKeys);
    QAction* effects = Add("effects", [] { return tr("鼠标音效"); });
    effects->setCheckable(true);
    connect(effects, &QAction::triggered, this, [this](bool on) { audio_.SetEffectsOn(on); });
    QAction* music = Add("music", [] { return tr("背景音乐"); });
    music->setCheckable(true);
    connect(music, &QAction::triggered, this, [this](bool on) { audio_.SetMusicOn(on); });
    Add("levelModifier", [] { return tr("霁岚--关卡修改器"); });
    Add("levelEditor", [] { return tr("霁岚--关卡编辑器"); });
    connect(Add("help", [] { return tr("主题帮助"); }, {QKeySequence(Qt::Key_F1)}), &QAction::triggered, &info,
            &GameInfo::OpenHelp);
    connect(Add("feedback", [] { return tr("建议反馈"); }), &QAction::triggered, &info, &GameInfo::SendFeedback);
    connect(Add("softwareDownload", [] { return tr("最新软件下载"); }), &QAction::triggered, &info,
            &GameInfo::OpenDownloads);
    connect(Add("levelDownload", [] { return tr("最新关卡下载"); }), &QAction::triggered, &info,
            &GameInfo::OpenDownloads);
    connect(Add("about", [] { return tr("关于作者"); }), &QAction::triggered, &info, &GameInfo::ShowAbout);
    Add("quit", [] { return tr("退出"); }, {QuitKey::Key()});

    // The modes: each one's name, and in a few words what it does.
    for (int mode = 1; mode <= kModeCount; ++mode) {
        QAction* item = Add(
            qPrintable(QStringLiteral("mode%1").arg(mode)),
            [mode] { return tr("%1 — %2").arg(ModeCaption(mode), ModeSummary(mode)); },
            {QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_0 + mode)))});
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, mode] { flow_.ChooseMode(mode); });
        modes_.push_back(item);
    }

    // The languages: the desktop's, or one whatever the desktop speaks.
    // Each names itself in its own language, so that a player who cannot
    // read the one shown finds their own.
    auto* languages = new QActionGroup(this);
    languages->setExclusive(true);
    for (const auto& [name, choice, text] :
         {std::tuple{"languageSystem", QString(), std::function<QString()>([] { return tr("跟随系统"); })},
          std::tuple{"languageChinese", QStringLiteral("zh"), std::function<QString()>([] { return tr("中文"); })},
          std::tuple{"languageEnglish", QStringLiteral("en"),
                     std::function<QString()>([] { return tr("English"); })}}) {
        QAction* item = Add(name, text);
        item->setCheckable(true);
        item->setActionGroup(languages);
        connect(item, &QAction::triggered, this, [this, choice] {
            language_ = choice;
            emit languageChosen(choice);
        });
        languages_.push_back({item, choice});
    }
    ShowLanguage({});

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

QAction* GameActions::Add(const char* name, std::function<QString()> text, const QList<QKeySequence>& keys,
                          std::function<QString()> toolTip)
{
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // A menu item's keys show in its menu.
    action->setShortcutVisibleInContextMenu(true);
    texts_.push_back([action, text = std::move(text), toolTip = std::move(toolTip)] {
        action->setText(text());
        // Without a tool tip of its own, an action's is its text.
        action->setToolTip(toolTip ? toolTip() : QString());
    });
    texts_.back()();
    all_.push_back(action);
    return action;
}

void GameActions::Retranslate()
{
    for (const auto& setTexts : texts_) {
        setTexts();
    }
    ShowLevelMenu();
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

void GameActions::ShowLanguage(const QString& choice)
{
    language_ = choice;
    for (const auto& [item, itsChoice] : languages_) {
        item->setChecked(itsChoice == choice);
    }
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

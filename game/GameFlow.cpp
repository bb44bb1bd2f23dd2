#include "GameFlow.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "game/KeptRound.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/ErrorTexts.h"
#include "leveldata/Formats.h"
#include "leveldata/ProgramPaths.h"
#include "leveldata/TextEncoding.h"

namespace daz {
namespace {
// Shown before the caption while a kept round goes on, for a few seconds.
const QString kKeptCaption = QStringLiteral("继续上次的棋局 — ");
constexpr int kKeptCaptionMs = 4000;

QString ModeName(int mode)
{
    static const char* const kNames[] = {"简单模式", "正常模式", "挑战模式", "极限模式"};
    return mode >= 1 && mode <= kModeCount ? QString::fromUtf8(kNames[mode - 1]) : QString();
}
} // namespace

const QString GameFlow::kHelpFile = QStringLiteral("\\dazRedme.txt");

GameFlow::GameFlow(DataFolders folders, FlowServices services, int mode)
    : folders_(std::move(folders)),
      services_(services),
      ini_(folders_, services.problems),
      audio_(folders_, services.effects, services.music),
      round_(services.timers),
      mode_(mode),
      keptCaption_(services.timers.Create(QStringLiteral("KeptCaption"), kKeptCaptionMs))
{
    // A clear's time and place join the caption until the next level.
    connect(&results_, &ResultKeeper::cleared, this, [this](const ClearResult& result) {
        clearNote_ = result;
        emit captionChanged();
    });
    // A level's end is kept at once: the score it leaves, and no round.
    connect(&round_, &Round::ended, this, [this] {
        SaveSettings();
        keeper_.RoundEnded();
    });
    connect(&audio_, &AudioSwitches::switchesChanged, this, &GameFlow::SaveSettings);
    // The results store found damaged after start-up, or a retry that
    // failed for good: told once, when it is found.
    connect(&results_, &ResultKeeper::problem, this,
            [this](const QString& text) { platform::Tell(services_.boxes, text); });
    // A round kept while paused comes back behind the pause picture: its
    // caption's time runs once the board shows.
    connect(&round_, &Round::phaseChanged, this, [this](Phase phase) {
        if (keptCaptionWaits_ && !BoardHidden(phase)) {
            keptCaptionWaits_ = false;
            keptCaption_->Start();
        }
    });
    keptCaption_->onTick = [this] {
        keptCaption_->Stop();
        if (caption_.startsWith(kKeptCaption)) {
            caption_.remove(0, kKeptCaption.size());
            emit captionChanged();
        }
    };
}

GameFlow::~GameFlow() = default;

QString GameFlow::WindowCaption()
{
    return QStringLiteral("霁岚连连看2006.10.4");
}

QString GameFlow::IniFile() const
{
    return folders_.Find(kGameIniFile);
}

const CatalogueEntry* GameFlow::Entry(int level) const
{
    const auto found = std::find_if(catalogue_.levels.begin(), catalogue_.levels.end(),
                                    [level](const CatalogueEntry& entry) { return entry.number == level; });
    return found == catalogue_.levels.end() ? nullptr : &*found;
}

int GameFlow::HighestLevel() const
{
    return catalogue_.levels.empty() ? 0 : catalogue_.levels.back().number;
}

void GameFlow::ReadCatalogue(bool tell)
{
    const QString file = IniFile();
    if (!FileExists(file)) {
        if (tell)
            platform::Tell(services_.boxes, QStringLiteral("找不到游戏设置文件 DAZGame.ini，没有可玩的关卡。"));
        return;
    }
    // Levels keep their numbers; a level whose entry is missing is not
    // listed, and all that is missing is told in one message.
    catalogue_ = daz::ReadCatalogue(ini_, file);
    if (tell && catalogue_.menu < 1) {
        platform::Tell(services_.boxes, QStringLiteral("关卡目录是空的：DAZGame.ini 的 [GameMenu] 中没有任何关卡。"));
    } else if (tell && catalogue_.HasProblems()) {
        services_.problems.CatalogueIncomplete(catalogue_);
    }
    emit levelMenuChanged();
}

void GameFlow::Load()
{
    ReadCatalogue(true);

    UserSettings settings;
    if (FileExists(IniFile())) {
        settings = ReadUserSettings(ini_, IniFile());
    }
    levelReached_ = settings.userGK;
    round_.SetScore(settings.userJF);
    keeper_.SettingsRead(settings);
    audio_.Restore(MusicSwitch{settings.mediaOn, settings.mediaOnText}, settings.soundOn);
    // A level number the catalogue does not list starts the first level.
    // A catalogue that lists nothing leaves the level reached as it was:
    // it is kept for when the catalogue is mended.
    if (HighestLevel() > 0 && !Entry(levelReached_)) {
        levelReached_ = catalogue_.levels.front().number;
    }

    userName_ = services_.desktop.LoginName().trimmed().toUpper();
    emit userChanged();
    if (keeper_.Enabled()) {
        if (const QString problem = results_.Open(folders_.Player() + QStringLiteral("/records.sqlite"));
            !problem.isEmpty())
            platform::Tell(services_.boxes, problem);
    }
    emit modeChanged();
    LoadLevel();
}

UserSettings GameFlow::CurrentSettings() const
{
    return UserSettings{audio_.Music().storedText, audio_.Music().on, audio_.EffectsOn(),
                        static_cast<std::int16_t>(levelReached_), round_.Score()};
}

void GameFlow::SaveSettings()
{
    keeper_.SaveSettings(CurrentSettings());
}

void GameFlow::Unload()
{
    audio_.CloseMusic();
    SaveProgress();
}

void GameFlow::SaveProgress()
{
    if (!keeper_.Enabled())
        return;
    keeper_.SaveAll(CurrentSettings());
}

void GameFlow::LoadLevel()
{
    const int number = levelReached_;
    const CatalogueEntry* entry = Entry(number);
    const QString name = entry ? entry->name : QString();
    clearNote_.reset();
    caption_ = ModeName(mode_) + QStringLiteral("======>当前游戏关卡：") + QString::number(number)
               + QStringLiteral("．") + name;
    emit captionChanged();
    round_.Leave();
    // The round before is over; the kept round of the last run waits for
    // the first level dealt.
    if (keptRoundLooked_)
        keeper_.LevelChanged(nullptr);
    SaveSettings();
    audio_.CloseMusic();

    if (!entry) {
        level_.reset();
        round_.ShowUnplayable();
        return; // the catalogue's own problem was reported at start-up
    }
    LevelReading reading = ReadLevel(ini_, folders_, entry->path);
    level_ = std::move(reading.level);
    if (!level_) {
        round_.ShowUnplayable();
        services_.problems.LevelUnplayable(number, name, reading.problem);
        return;
    }
    // A round that goes on was kept with its level's digest, taken then.
    const QByteArray keptDigest = ResumeKeptRound();
    const bool resumed = !keptDigest.isEmpty();
    if (!resumed) {
        // A fresh seed for each level dealt: it and the moves replay the level.
        round_.Start(level_->settings, mode_, services_.random.Bits());
    }
    keeper_.LevelChanged(&*level_, keptDigest);
    results_.LevelDealt(entry->path, mode_, userName_, !resumed);
    emit levelStarted();
    audio_.StartLevelMusic(level_->settings.mediaName);
}

QByteArray GameFlow::ResumeKeptRound()
{
    keptCaption_->Stop();
    keptCaptionWaits_ = false;
    if (keptRoundLooked_ || !keeper_.Enabled()) {
        return {};
    }
    keptRoundLooked_ = true;
    const KeptRoundTaken kept = TakeKeptRound(folders_, mode_, *level_, keeper_.SettingsScore(),
                                              QDateTime::currentDateTime());
    if (kept.refused) {
        services_.problems.KeptRoundRefused(*kept.refused);
    }
    if (!kept.state) {
        return {};
    }
    round_.SetScore(kept.score);
    RoundState state = *kept.state;
    if (!state.random) // kept without its generator: the rest of the level draws from a fresh seed
        state.random = RandomPlace{services_.random.Bits(), 0};
    round_.Resume(level_->settings, mode_, state);
    caption_.prepend(kKeptCaption);
    emit captionChanged();
    if (kept.state->paused)
        keptCaptionWaits_ = true;
    else
        keptCaption_->Start();
    return kept.digest;
}

void GameFlow::Restart()
{
    if (platform::Ask(services_.boxes, QStringLiteral("你真的要重新开始吗？"), QStringLiteral("友情提示"))) {
        LoadLevel();
    }
}

void GameFlow::ChooseMode(int mode)
{
    if (mode < 1 || mode > kModeCount) {
        return;
    }
    mode_ = mode;
    emit modeChanged();
    LoadLevel();
}

void GameFlow::ChooseLevel(int level)
{
    if (!Entry(level)) {
        return;
    }
    levelReached_ = level;
    LoadLevel();
}

void GameFlow::RandomLevel()
{
    // Drawn among the levels listed: all 1 … the highest listed unless entries are missing.
    const auto& listed = catalogue_.levels;
    if (listed.empty()) {
        return;
    }
    services_.random.ReseedFromClock();
    levelReached_ = listed[static_cast<std::size_t>(services_.random.Draw(static_cast<int>(listed.size())) - 1)].number;
    LoadLevel();
}

void GameFlow::ClickOverlay()
{
    if (round_.GetPhase() == Phase::Paused) {
        round_.Continue();
    } else if (round_.GetPhase() == Phase::Cleared) {
        // After the last level play starts again at the first; levels
        // whose entries are missing are passed over.
        const int from = levelReached_;
        do {
            levelReached_ = levelReached_ + 1 > HighestLevel() ? 1 : levelReached_ + 1;
        } while (!Entry(levelReached_) && levelReached_ != from);
        LoadLevel();
    }
}

void GameFlow::PauseKey()
{
    if (round_.GetPhase() == Phase::Paused) {
        ClickOverlay();
    } else {
        round_.Use(Tool::Pause);
    }
}

void GameFlow::ClickKey(MouseButton button)
{
    if (BoardHidden(round_.GetPhase())) {
        if (button == MouseButton::Left) {
            ClickOverlay();
        }
    } else {
        round_.PressCursor(button);
    }
}

void GameFlow::OpenHelp()
{
    const QString help = folders_.Find(kHelpFile);
    if (!FileExists(help)) {
        platform::Warn(services_.boxes, QStringLiteral("帮助文件丢失！"));
        return;
    }
    QString reason;
    const std::optional<QByteArray> bytes = ReadFileBelow(folders_.RootOf(help), help, kTextFileBudget, reason);
    if (!bytes) {
        platform::Warn(services_.boxes,
                       QStringLiteral("帮助文件“%1”无法读取：%2").arg(QDir::toNativeSeparators(help), reason));
        return;
    }
    // Written on Chinese Windows in GBK, or in UTF-8.
    const StoredText stored = SplitStoredText(*bytes);
    QString text = DecodeText(stored.body, stored.encoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    emit helpOpened(text);
}

void GameFlow::LevelAdded()
{
    // What was wrong with the catalogue was told at start-up.
    ReadCatalogue(false);
}

QString GameFlow::Readme() const
{
    // The documents sit beside the shipped folder, in <prefix>/share/doc/.
    const QString readme = QDir::cleanPath(folders_.Shipped() + QStringLiteral("/../doc/jilan-llk/README.md"));
    return QFileInfo(readme).isFile() ? readme : QString();
}

void GameFlow::SendFeedback()
{
    QUrl mail(QStringLiteral("mailto:"));
    mail.setQuery(QStringLiteral("subject=")
                  + QStringLiteral("霁岚连连看 %1 建议反馈").arg(QCoreApplication::applicationVersion()));
    if (!services_.desktop.Open(mail))
        platform::Tell(services_.boxes, QStringLiteral("没有找到可以写邮件的程序。"));
}

void GameFlow::OpenDownloads()
{
    const QString readme = Readme();
    if (readme.isEmpty() || !services_.desktop.Open(QUrl::fromLocalFile(readme)))
        platform::Tell(services_.boxes, QStringLiteral("游戏和关卡包从哪里来、关卡包怎样玩，写在说明文件 README.md 里"
                                                       "（安装后在 share/doc/jilan-llk/ 文件夹里）。"));
}

void GameFlow::ShowAbout()
{
    const QString readme = Readme();
    const QString readmeLine = !readme.isEmpty()
                                   ? QStringLiteral("说明：") + QDir::toNativeSeparators(readme)
                                   : QStringLiteral("说明：README.md（安装后在 share/doc/jilan-llk/ 文件夹里）");
    const QString text = QStringLiteral("霁岚连连看 %1\n"
                                        "以 MIT 许可证发布。\n"
                                        "帮助：主菜单的“主题帮助”（F1），即 %2\n"
                                        "%3")
                             .arg(QCoreApplication::applicationVersion(),
                                  QDir::toNativeSeparators(folders_.Find(kHelpFile)), readmeLine);
    platform::Tell(services_.boxes, text, QStringLiteral("关于") + WindowCaption());
}

void GameFlow::WindowMinimised()
{
    round_.PauseQuietly();
}

QStringList GameFlow::LevelMenu() const
{
    QStringList items;
    for (int i = 1; i <= HighestLevel(); ++i) {
        const CatalogueEntry* entry = Entry(i);
        items.append(entry ? QString::number(i) + QStringLiteral("．") + entry->name : QString());
    }
    return items;
}

} // namespace daz

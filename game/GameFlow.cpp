#include "GameFlow.h"

#include <algorithm>

#include <QDateTime>

#include "engine/Random.h"
#include "game/AudioSwitches.h"
#include "game/KeptRound.h"
#include "game/ProblemReporter.h"
#include "game/ProgressKeeper.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "leveldata/ProgramPaths.h"
#include "leveldata/SettingsStore.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"

namespace daz {

GameFlow::GameFlow(FlowServices services, int mode)
    : services_(services),
      ini_(services.ini),
      round_(services.round),
      audio_(services.audio),
      results_(services.results),
      keeper_(services.keeper),
      mode_(mode)
{
    // A level's end is kept at once: the score it leaves, and no round.
    connect(&round_, &Round::ended, this, [this] {
        SaveSettings();
        keeper_.RoundEnded();
    });
    connect(&audio_, &AudioSwitches::switchesChanged, this, &GameFlow::SaveSettings);
    // The results store found damaged after start-up, or a retry that
    // failed for good: told once, when it is found.
    connect(&results_, &ResultKeeper::problem, this,
            [this](const RecordsNotes& notes) { services_.problems.ResultsTrouble(notes); });
}

GameFlow::~GameFlow() = default;

LevelPlace GameFlow::Place() const
{
    const CatalogueEntry* entry = Entry(levelReached_);
    return {mode_, levelReached_, entry ? entry->name : QString()};
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
    const QString file = ini_.Folders().Find(kGameIniFile);
    if (!FileExists(file)) {
        if (tell) {
            services_.problems.CatalogueMissing();
        }
        return;
    }
    // Levels keep their numbers; a level whose entry is missing is not
    // listed, and all that is missing is told in one message.
    catalogue_ = daz::ReadCatalogue(ini_, file);
    if (tell && catalogue_.menu < 1) {
        services_.problems.CatalogueEmpty();
    } else if (tell && catalogue_.HasProblems()) {
        services_.problems.CatalogueIncomplete(catalogue_);
    }
    emit levelMenuChanged();
}

void GameFlow::Load()
{
    ReadCatalogue(true);

    const UserSettings settings = services_.settings.Load();
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
        if (const RecordsNotes problem = results_.Open(ini_.Folders().Player() + QStringLiteral("/records.sqlite"));
            !problem.empty()) {
            services_.problems.ResultsTrouble(problem);
        }
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
    if (!keeper_.Enabled()) {
        return;
    }
    keeper_.SaveAll(CurrentSettings());
}

void GameFlow::LoadLevel()
{
    const int number = levelReached_;
    const CatalogueEntry* entry = Entry(number);
    emit levelChanged();
    round_.Leave();
    // The round before is over; the kept round of the last run waits for
    // the first level dealt.
    if (keptRoundLooked_) {
        keeper_.LevelChanged(nullptr);
    }
    SaveSettings();
    audio_.CloseMusic();

    if (!entry) {
        level_.reset();
        round_.ShowUnplayable();
        return; // the catalogue's own problem was reported at start-up
    }
    LevelReading reading = ReadLevel(ini_, ini_.Folders(), entry->path);
    level_ = std::move(reading.level);
    if (!level_) {
        round_.ShowUnplayable();
        services_.problems.LevelUnplayable(*entry, reading.problem);
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
    if (keptRoundLooked_ || !keeper_.Enabled()) {
        return {};
    }
    keptRoundLooked_ = true;
    const KeptRoundTaken kept = TakeKeptRound(ini_.Folders(), mode_, *level_, keeper_.SettingsScore(),
                                              QDateTime::currentDateTime());
    if (kept.refused) {
        services_.problems.KeptRoundRefused(*kept.refused);
    }
    if (!kept.state) {
        return {};
    }
    round_.SetScore(kept.score);
    RoundState state = *kept.state;
    if (!state.random) { // kept without its generator: the rest of the level draws from a fresh seed
        state.random = RandomPlace{services_.random.Bits(), 0};
    }
    round_.Resume(level_->settings, mode_, state);
    emit keptRoundResumed(state.paused);
    return kept.digest;
}

void GameFlow::Restart()
{
    LoadLevel();
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

void GameFlow::LevelAdded()
{
    // What was wrong with the catalogue was told at start-up.
    ReadCatalogue(false);
}

} // namespace daz

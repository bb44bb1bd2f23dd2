#include "ProgressKeeper.h"

#include "game/KeptRound.h"
#include "leveldata/ProgramPaths.h"

namespace daz {

ProgressKeeper::ProgressKeeper(DataFolders folders, SettingsStore& settings, ProblemReporter& problems,
                               platform::TimerFactory& timers, const Round& round)
    : folders_(std::move(folders)),
      settings_(settings),
      problems_(problems),
      round_(round),
      keepTimer_(timers.Create(QStringLiteral("KeepRound"), 0))
{
    keepTimer_->onTick = [this] { KeepNow(); };
    // What a player did to the round; the selection alone is no move.
    connect(&round_, &Round::dealt, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::boardChanged, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::countersChanged, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::scoreChanged, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::phaseChanged, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::pairRemoved, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::turnedUntimed, this, &ProgressKeeper::KeepSoon);
    connect(&round_, &Round::ticked, this, [this] {
        if (++ticksSinceKeep_ >= kSecondsBetweenKeeps) {
            KeepSoon();
        }
    });
}

ProgressKeeper::~ProgressKeeper() = default;

void ProgressKeeper::SaveAll(const UserSettings& settings)
{
    saveAll_ = true;
    SaveSettings(settings);
    KeepNow();
    saveAll_ = false;
}

void ProgressKeeper::SaveSettings(const UserSettings& settings)
{
    if (!enabled_ || (!saveAll_ && written_ == settings)) {
        return;
    }
    const std::optional<IniWriteResult> result = settings_.Save(settings);
    if (!result) {
        return; // told at start: the settings file's place holds a link that leads out
    }
    if (!result->ok) {
        TellOnce(UnsavedProgress::Settings, result->error);
        return;
    }
    const bool scoreChanged = !written_ || written_->userJF != settings.userJF;
    written_ = settings;
    // The kept round names the score it was kept beside.
    if (scoreChanged && level_) {
        KeepNow();
    }
}

void ProgressKeeper::LevelChanged(const Level* level, QByteArray digest)
{
    level_ = level;
    digest_ = std::move(digest);
    KeepNow();
}

void ProgressKeeper::RoundEnded()
{
    Forget();
}

void ProgressKeeper::KeepSoon()
{
    if (enabled_) {
        keepTimer_->Start();
    }
}

void ProgressKeeper::KeepNow()
{
    keepTimer_->Stop();
    ticksSinceKeep_ = 0;
    if (!enabled_) {
        return;
    }
    if (!level_ || !InPlay(round_.GetPhase())) {
        Forget();
        return;
    }
    if (digest_.isEmpty()) {
        digest_ = LevelDigest(folders_, level_->folder, level_->settings);
    }
    KeptRound kept;
    kept.mode = round_.Mode();
    kept.level = level_->folder;
    kept.levelDigest = digest_;
    kept.score = round_.Score();
    kept.settingsScore = SettingsScore();
    kept.state = round_.State();
    if (const FileError error = WriteKeptRound(folders_, kept); error.Failed()) {
        TellOnce(UnsavedProgress::KeptRound, error);
        return;
    }
    emit roundKept();
}

void ProgressKeeper::Forget()
{
    keepTimer_->Stop();
    if (enabled_) {
        ForgetKeptRound(folders_);
    }
}

void ProgressKeeper::TellOnce(UnsavedProgress what, const FileError& reason)
{
    // A disk that stays full would ask after every move: once is enough,
    // and every later change tries again without a word; the quit tells
    // what it could not save.
    if (told_ && !saveAll_) {
        return;
    }
    told_ = true;
    problems_.ProgressNotSaved(what, reason);
}

} // namespace daz

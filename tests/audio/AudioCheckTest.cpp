// What a player hears: the program's own effect and music players play
// into the null sink of a private PulseAudio server, whose monitor is
// recorded and measured. Every play must leave sound in its own time
// window, at the game's pace of one effect every 300-1000 ms.
//
// The pace is the least time between two plays, not a deadline: on a busy
// machine a sound can take longer than the gap to reach the sink, and the
// next play would cut it before it is heard. So the next play waits until
// the recording has the sound of this one, or until far longer than any
// start takes, when the play counts as lost.
//
// The pace is kept, the number of plays is not: 50 plays of each of the
// nine effects at the game's pace take about five minutes, and ./check
// builds twice. The normal build plays each effect 51 times, split over
// three test programs that run side by side (ctest -j), with the gaps
// drawn from the fast end of the pace (300-450 ms): about a minute each.
// The sanitizer build, where the same code runs again, plays each effect
// 7 times over the whole range of 300-1000 ms: about 45 s. Both runs last
// well past the 14 s after which one QSoundEffect reused per file falls
// silent with Qt 6.4 and PulseAudio.
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "PrivatePulse.h"
#include "game/AudioSwitches.h"
#include "game/GameState.h"
#include "game/SoundEffects.h"
#include "leveldata/DataFolders.h"
#include "leveldata/ProgramPaths.h"
#include "platform/QtAudio.h"

namespace daz {
namespace {

using testing::PrivatePulse;
using testing::RunEventsFor;

// An effect is heard when some 10 ms of its window reach this level; the
// quietest effect peaks near -12 dB. Silence of the null sink is digital
// zero, so "silent" can be strict.
constexpr double kAudibleDb = -40;
constexpr double kSilentDb = -70;
// Music plays at half volume; its quietest 250 ms stay above this.
constexpr double kMusicDb = -55;
// A play not heard this long after it was asked for is lost.
constexpr int kLostAfterMs = 3000;

constexpr SoundEffect kEffects[] = {SoundEffect::Select,  SoundEffect::Cancel,   SoundEffect::Link,
                                    SoundEffect::Win,     SoundEffect::GameOver, SoundEffect::HintTick,
                                    SoundEffect::Shuffle, SoundEffect::Undo,     SoundEffect::Pause};

DataFolders Shipped()
{
    return DataFolders(QStringLiteral(DAZ_DATA_DIR));
}

QString EffectPath(SoundEffect effect)
{
    return Shipped().Find(SoundFile(effect));
}

// Any piece of the shipped music: the check is about the player, not the piece.
QString AnyMusic()
{
    const QStringList pieces = QDir(QStringLiteral(DAZ_DATA_DIR "/media")).entryList(QDir::Files, QDir::Name);
    return pieces.isEmpty() ? QString() : pieces.front();
}

double NowMs(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

struct Play {
    SoundEffect effect;
    double atMs = 0;
};

class AudioCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PrivatePulse::Installed())
            << "pulseaudio and pulseaudio-utils are missing: run scripts/install-deps";
        ASSERT_TRUE(pulse_.Start()) << "the private PulseAudio server did not start";
        clock_.start();
        ASSERT_TRUE(pulse_.StartRecording(clock_)) << "the null sink's monitor gives no samples";
    }

    enum class Wait { UntilHeard, No };

    // Plays the effects in order, each after a gap drawn from [minGap,
    // maxGap]; while a play is not heard yet, the next one waits for it.
    std::vector<Play> PlayAtPace(platform::EffectPlayer& player, const std::vector<SoundEffect>& effects,
                                 std::mt19937& random, int minGapMs, int maxGapMs, Wait wait = Wait::UntilHeard)
    {
        std::uniform_int_distribution<int> gap(minGapMs, maxGapMs);
        std::vector<Play> plays;
        for (const SoundEffect effect : effects) {
            const double at = NowMs(clock_);
            plays.push_back({effect, at});
            player.Play(EffectPath(effect));
            RunEventsFor(gap(random));
            while (wait == Wait::UntilHeard && !(pulse_.LoudestDb(at, NowMs(clock_)) > kAudibleDb)
                   && NowMs(clock_) - at < kLostAfterMs) {
                RunEventsFor(10);
            }
        }
        return plays;
    }

    // The plays with no sound between their start and the next play.
    QStringList Unheard(const std::vector<Play>& plays, double endMs) const
    {
        QStringList unheard;
        for (std::size_t i = 0; i < plays.size(); ++i) {
            const double until = i + 1 < plays.size() ? plays[i + 1].atMs : endMs;
            const double db = pulse_.LoudestDb(plays[i].atMs, until);
            if (!(db > kAudibleDb)) {
                unheard << QStringLiteral("#%1 %2 at %3 s (%4 dB)")
                               .arg(i)
                               .arg(SoundFile(plays[i].effect))
                               .arg(plays[i].atMs / 1000, 0, 'f', 1)
                               .arg(db, 0, 'f', 0);
            }
        }
        return unheard;
    }

    // The longest time from a play to its first sound.
    double SlowestOnsetMs(const std::vector<Play>& plays, double endMs) const
    {
        double slowest = 0;
        for (std::size_t i = 0; i < plays.size(); ++i) {
            const double until = i + 1 < plays.size() ? plays[i + 1].atMs : endMs;
            const double onset = pulse_.OnsetMs(plays[i].atMs, until, kAudibleDb);
            if (onset >= 0) {
                slowest = std::max(slowest, onset - plays[i].atMs);
            }
        }
        return slowest;
    }

    PrivatePulse pulse_;
    QElapsedTimer clock_;
};

// One of the runs the header describes: shard `GetParam()` of kShards.
class EffectsAlwaysSound : public AudioCheck, public ::testing::WithParamInterface<int> {};

TEST_P(EffectsAlwaysSound, EveryPlayIsHeardAtTheGamesPace)
{
    std::vector<SoundEffect> order;
    for (const SoundEffect effect : kEffects) {
        order.insert(order.end(), DAZ_AUDIO_PLAYS_PER_EFFECT, effect);
    }
    std::mt19937 random(20261208 + GetParam());
    std::shuffle(order.begin(), order.end(), random);

    platform::QtEffectPlayer player;
    const std::vector<Play> plays = PlayAtPace(player, order, random, DAZ_AUDIO_MIN_GAP_MS, DAZ_AUDIO_MAX_GAP_MS);
    const double endMs = NowMs(clock_);
    RunEventsFor(300);
    pulse_.StopRecording();

    ASSERT_GE(pulse_.RecordedUntilMs(), endMs);
    const QStringList unheard = Unheard(plays, endMs);
    EXPECT_TRUE(unheard.isEmpty()) << unheard.size() << " of " << plays.size() << " plays unheard:\n"
                                   << qPrintable(unheard.join(QLatin1Char('\n')));
    // How long the slowest took shows how busy the machine was; it decides
    // nothing.
    const double slowest = SlowestOnsetMs(plays, endMs);
    std::printf("%zu plays, the slowest heard %.0f ms after it was asked for\n", plays.size(), slowest);
}

INSTANTIATE_TEST_SUITE_P(Shards, EffectsAlwaysSound, ::testing::Range(0, DAZ_AUDIO_SHARDS));

// One effect at a time: the 2.4 s fanfare stops when a short click starts.
TEST_F(AudioCheck, ANewEffectCutsTheOnePlaying)
{
    platform::QtEffectPlayer player;
    const double winAt = NowMs(clock_);
    player.Play(EffectPath(SoundEffect::Win));
    RunEventsFor(500);
    const double clickAt = NowMs(clock_);
    player.Play(EffectPath(SoundEffect::Select)); // 0.18 s
    RunEventsFor(1800);
    pulse_.StopRecording();

    ASSERT_GE(pulse_.RecordedUntilMs(), clickAt + 1600);
    EXPECT_GT(pulse_.LoudestDb(winAt, clickAt), kAudibleDb);
    EXPECT_GT(pulse_.LoudestDb(clickAt, clickAt + 400), kAudibleDb);
    EXPECT_LT(pulse_.LoudestDb(clickAt + 600, clickAt + 1600), kSilentDb);
}

// The music goes on under the effects, and each switch silences its own
// channel: music off stops the piece, effects off keeps effects silent.
TEST_F(AudioCheck, MusicPlaysUnderEffectsAndEachSwitchSilencesItsChannel)
{
    const QString piece = AnyMusic();
    ASSERT_FALSE(piece.isEmpty());
    platform::QtEffectPlayer effects;
    platform::QtMusicPlayer music;
    AudioSwitches audio(Shipped(), effects, music);
    std::mt19937 random(7);

    audio.StartLevelMusic(piece);
    RunEventsFor(1500);
    const double effectsFrom = NowMs(clock_);
    std::vector<SoundEffect> order(std::begin(kEffects), std::end(kEffects));
    std::shuffle(order.begin(), order.end(), random);
    for (const SoundEffect effect : order) {
        audio.PlaySoundEffect(effect);
        RunEventsFor(std::uniform_int_distribution<int>(300, 1000)(random));
    }
    RunEventsFor(1500);
    const double musicUntil = NowMs(clock_);

    audio.SetMusicOn(false);
    RunEventsFor(1000);
    const double musicOffAt = NowMs(clock_);
    audio.SetEffectsOn(false);
    for (const SoundEffect effect : {SoundEffect::Link, SoundEffect::Select, SoundEffect::Shuffle}) {
        audio.PlaySoundEffect(effect);
        RunEventsFor(400);
    }
    const double effectsOffUntil = NowMs(clock_);
    audio.SetEffectsOn(true);
    const double effectOnAt = NowMs(clock_);
    audio.PlaySoundEffect(SoundEffect::Link);
    RunEventsFor(600);
    audio.SetMusicOn(true);
    const double musicOnAt = NowMs(clock_);
    RunEventsFor(2300);
    pulse_.StopRecording();

    ASSERT_GE(pulse_.RecordedUntilMs(), musicOnAt + 2000);
    // No 250 ms without music from the first effect to well after the last.
    EXPECT_GT(pulse_.QuietestDb(effectsFrom, musicUntil, 250), kMusicDb);
    // Music off: silence within 400 ms, and the effects switched off add none.
    EXPECT_LT(pulse_.LoudestDb(musicUntil + 400, musicOffAt), kSilentDb);
    EXPECT_LT(pulse_.LoudestDb(musicOffAt, effectsOffUntil), kSilentDb);
    // Effects on again: the next one is heard; music on again: it plays.
    EXPECT_GT(pulse_.LoudestDb(effectOnAt, effectOnAt + 600), kAudibleDb);
    EXPECT_GT(pulse_.QuietestDb(musicOnAt + 1000, musicOnAt + 2000, 250), kMusicDb);
}

// The server dies in the middle of a level and comes back: the game goes
// on meanwhile, and the effects are heard again as soon as it is back.
TEST_F(AudioCheck, EffectsComeBackWithARestartedServer)
{
    platform::QtEffectPlayer effects;
    platform::QtMusicPlayer music;
    music.Open(Shipped().Find(kMediaFolder + AnyMusic()));
    std::mt19937 random(11);
    std::vector<SoundEffect> order(std::begin(kEffects), std::end(kEffects));
    const std::vector<Play> before = PlayAtPace(effects, order, random, 300, 600);
    EXPECT_TRUE(Unheard(before, NowMs(clock_)).isEmpty());

    pulse_.StopRecording();
    pulse_.Kill();
    // Qt 6.4 waits with no time limit for a new stream to become ready;
    // a play in the very moment the server dies might never return. Once
    // Qt has seen the server gone, plays fail at once: the pause leaves
    // it the time to see that.
    RunEventsFor(200);
    PlayAtPace(effects, order, random, 100, 300, Wait::No); // into nothing
    music.Close();
    music.Open(Shipped().Find(kMediaFolder + AnyMusic()));
    ASSERT_TRUE(pulse_.Start()) << "the private PulseAudio server did not start again";
    ASSERT_TRUE(pulse_.StartRecording(clock_));

    // Heard again at once: the very next effects, and the music of a level
    // loaded now.
    music.Close();
    music.Open(Shipped().Find(kMediaFolder + AnyMusic()));
    const double musicAt = NowMs(clock_);
    const std::vector<Play> after = PlayAtPace(effects, order, random, 300, 1000);
    const double endMs = NowMs(clock_);
    // A level loaded after the restart has its music again: once the
    // effects have rung out, it is heard without a gap for a whole second.
    // A loaded machine may take a while to bring the player up again, so
    // the music is waited for rather than looked for at a set time.
    double musicHeardAt = -1;
    for (double now = NowMs(clock_); musicHeardAt < 0 && now < endMs + 20000; now = NowMs(clock_)) {
        RunEventsFor(250);
        const double recorded = pulse_.RecordedUntilMs();
        if (recorded > endMs + 1500 && pulse_.QuietestDb(recorded - 1000, recorded, 250) > kMusicDb) {
            musicHeardAt = recorded - 1000;
        }
    }
    pulse_.StopRecording();
    const QStringList unheard = Unheard(after, endMs);
    EXPECT_TRUE(unheard.isEmpty()) << qPrintable(unheard.join(QLatin1Char('\n')));
    EXPECT_GE(musicHeardAt, musicAt) << "the music of the level loaded after the restart is not heard";
    EXPECT_GE(pulse_.RecordedUntilMs(), endMs);
}

// Without any sound server the game plays on in silence.
TEST(AudioWithoutServer, PlayersGoOnInSilence)
{
    PrivatePulse pulse; // points the players at a socket no server listens on
    platform::QtEffectPlayer effects;
    platform::QtMusicPlayer music;
    music.Open(Shipped().Find(kMediaFolder + AnyMusic()));
    for (const SoundEffect effect : kEffects) {
        effects.Play(EffectPath(effect));
        RunEventsFor(100);
    }
    music.Close();
    music.Open(Shipped().Find(kMediaFolder + AnyMusic()));
    RunEventsFor(500);
    SUCCEED();
}

} // namespace
} // namespace daz

#include <gtest/gtest.h>

#include "GameHarness.h"
#include "presentation/Looks.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

class ParticlesTest : public ::testing::Test {
protected:
    FakeClock clock;
    Random random{7, [this] { return clock.seconds; }};
    FakeTimerFactory timers;
    Particles particles{random, timers, 11730, 8400};
    // The table is read back through All(); positions are set by ticking.
    Particles::Sprite& First() { return const_cast<Particles::Sprite&>(particles.All()[1]); }
};

TEST_F(ParticlesTest, StartPlacesTenParticlesInsideTheBoard)
{
    particles.Start(Particles::Flowers, QImage(8, 8, QImage::Format_ARGB32));
    EXPECT_TRUE(particles.TimerRunning());
    for (int i = 1; i <= Particles::kCount; ++i) {
        const auto& s = particles.All()[static_cast<std::size_t>(i)];
        EXPECT_TRUE(s.visible);
        EXPECT_GE(s.PartX, 0);
        EXPECT_LT(s.PartX, 11730);
        EXPECT_GE(s.PartY, 0);
        EXPECT_LT(s.PartY, 8400);
        EXPECT_GE(s.PartSpeed, 3);
        EXPECT_LE(s.PartSpeed, 6);
    }
}

TEST_F(ParticlesTest, FlowersAreDrawnPastTheEdgeOnceThenStartAtTheTop)
{
    particles.Start(Particles::Flowers, QImage(8, 8, QImage::Format_ARGB32));
    First().PartY = 8398;
    First().PartSpeed = 3;
    timers.Fire(QStringLiteral("Particles"));
    EXPECT_EQ(First().top, 8401);
    EXPECT_EQ(First().PartY, 0);
    timers.Fire(QStringLiteral("Particles"));
    EXPECT_LE(First().top, 6);
}

TEST_F(ParticlesTest, BubblesRestartAtTheBottom)
{
    particles.Start(Particles::Bubbles, QImage(8, 8, QImage::Format_ARGB32));
    First().PartY = 2;
    First().PartSpeed = 5;
    const int x = First().PartX;
    timers.Fire(QStringLiteral("Particles"));
    EXPECT_EQ(First().top, -3);
    EXPECT_EQ(std::abs(First().left - x), 2); // the wobble
    EXPECT_EQ(First().PartY, 8400);
}

TEST_F(ParticlesTest, AParticleOnTheEdgeMovesOnOnceMore)
{
    particles.Start(Particles::Petals, QImage(8, 8, QImage::Format_ARGB32));
    First().PartX = 11730 - 4;
    First().PartSpeed = 4;
    timers.Fire(QStringLiteral("Particles"));
    EXPECT_EQ(First().PartX, 11730);
    timers.Fire(QStringLiteral("Particles"));
    EXPECT_EQ(First().PartX, 0);
}

TEST_F(ParticlesTest, StarsJumpAndTheTableStaysUnused)
{
    particles.Start(Particles::Stars, QImage(8, 8, QImage::Format_ARGB32));
    const auto before = particles.All();
    timers.Fire(QStringLiteral("Particles"));
    int moved = 0;
    for (int i = 1; i <= Particles::kCount; ++i) {
        const auto& s = particles.All()[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.PartX, before[static_cast<std::size_t>(i)].PartX);
        EXPECT_LT(s.left, 11730);
        EXPECT_LT(s.top, 8400);
        moved += s.left != before[static_cast<std::size_t>(i)].left;
    }
    EXPECT_GT(moved, 5);
}

TEST(LevelParticles, ALevelWithoutAnEffectShowsNoneAndTheTimerGoesOn)
{
    GameHarness h;
    h.folder.WriteGame({{QStringLiteral("花"), QStringLiteral("petals"), 4, 2, 10, 3},
                        {QStringLiteral("静"), QStringLiteral("still"), 4, 2, 10, 0}});
    h.folder.WriteParticle(3);
    h.Start(2);
    Particles& particles = h.parts->particles;
    EXPECT_EQ(particles.CurrentEffect(), 3);
    EXPECT_TRUE(particles.All()[1].visible);
    h.flow->ChooseLevel(2);
    for (int i = 1; i <= Particles::kCount; ++i) {
        EXPECT_FALSE(particles.All()[static_cast<std::size_t>(i)].visible);
    }
    EXPECT_TRUE(particles.TimerRunning());
    const auto before = particles.All();
    h.timers.Fire(QStringLiteral("Particles"), 3);
    EXPECT_EQ(particles.All()[1].left, before[1].left);
}

TEST(LevelParticles, AMissingSpritePlaysTheLevelWithoutParticles)
{
    GameHarness h;
    h.folder.WriteGame({{QStringLiteral("花"), QStringLiteral("petals"), 4, 2, 10, 2}});
    h.Start(2);
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.board().TileCount(), 8);
    EXPECT_FALSE(h.parts->particles.All()[1].visible);
}

// Less motion, as the desktop wishes it until the player chooses: no
// particle shows or moves, the picture over the board stands still, the
// caption keeps its colour, the path keeps one width for its steps and the
// hint is marked, never hidden, for the span of its blinking. The desktop's wish turned off sets the
// level's particles going; the player's choice outlasts the desktop's.
TEST(LessMotion, StillsEveryMotionAndFollowsTheDesktopUntilThePlayerChooses)
{
    GameHarness h;
    h.folder.WriteGame({{QStringLiteral("花"), QStringLiteral("petals"), 6, 4, 10, 3},
                        {QStringLiteral("叶"), QStringLiteral("leaves"), 6, 4, 10, 3}},
                       1, 100);
    h.folder.WriteParticle(3);
    FakeDesktopWishes desktop;
    desktop.Take(true, false);
    Looks looks(desktop, std::nullopt, std::nullopt);
    h.Start(2);
    FollowLooks(looks, h.motion(), h.parts->particles);
    const Particles& particles = h.parts->particles;
    const auto noneShown = [&] {
        return std::none_of(particles.All().begin(), particles.All().end(), [](const auto& s) { return s.visible; });
    };
    EXPECT_TRUE(noneShown());
    EXPECT_FALSE(particles.TimerRunning());
    h.flow->ChooseLevel(2);
    EXPECT_TRUE(noneShown()) << "a new level set its particles going";
    EXPECT_FALSE(particles.TimerRunning());

    // The path: one width from its first step to its last.
    ASSERT_TRUE(h.RemoveAPair());
    const LinkPathFade& path = h.motion().path;
    ASSERT_TRUE(path.Visible());
    for (int step = 1; step < LinkPathFade::kSteps; ++step) {
        EXPECT_EQ(path.Width(), LinkPathFade::kSteadyWidth) << "step " << step;
        h.timers.Fire(QStringLiteral("LinkPathFade"));
        EXPECT_TRUE(path.Visible());
    }
    h.timers.Fire(QStringLiteral("LinkPathFade"));
    EXPECT_FALSE(path.Visible());

    // The hint: both tiles in sight and marked for four ticks, then not.
    const HintFlash& hint = h.motion().hint;
    h.parts->toolbar.Click(Toolbar::Label::Hint);
    const Cell first = hint.First();
    const Cell second = hint.Second();
    for (int tick = 0; tick < HintFlash::kTicks; ++tick) {
        EXPECT_TRUE(hint.Marks(first) && hint.Marks(second)) << "tick " << tick;
        EXPECT_FALSE(hint.Hides(first) || hint.Hides(second)) << "tick " << tick;
        h.timers.Fire(QStringLiteral("HintFlash"));
    }
    EXPECT_FALSE(hint.Marks(first) || hint.Marks(second));

    // The picture over the board: paused, it stays where it stands. The
    // caption keeps its colour as the clock ticks.
    h.round().PauseQuietly();
    const OverlayJitter& jitter = h.motion().jitter;
    EXPECT_FALSE(jitter.Running());
    h.round().Continue();
    const int colour = h.motion().caption.Index();
    for (int second = 0; second < 20; ++second) {
        h.clock.seconds += 1;
        h.timers.Fire(QStringLiteral("LevelClock"));
        EXPECT_EQ(h.motion().caption.Index(), colour) << "second " << second;
    }

    // The desktop no longer wishes it: the particles set off, the caption
    // changes colour, the jitter follows the board again, the path widens.
    desktop.Take(false, false);
    EXPECT_FALSE(noneShown());
    EXPECT_TRUE(particles.TimerRunning());
    bool recoloured = false;
    for (int second = 0; second < 20; ++second) {
        h.clock.seconds += 1;
        h.timers.Fire(QStringLiteral("LevelClock"));
        recoloured = recoloured || h.motion().caption.Index() != colour;
    }
    EXPECT_TRUE(recoloured);
    h.round().PauseQuietly();
    EXPECT_TRUE(jitter.Running());
    h.round().Continue();
    ASSERT_TRUE(h.RemoveAPair());
    h.timers.Fire(QStringLiteral("LinkPathFade"), 4);
    EXPECT_EQ(path.Width(), 4);
    EXPECT_FALSE(hint.Marks(first));

    // The player chooses less motion: the desktop's change no longer counts.
    looks.ChooseLessMotion(true);
    EXPECT_TRUE(noneShown());
    desktop.Take(false, true);
    EXPECT_TRUE(looks.LessMotion());
    EXPECT_TRUE(looks.HighContrast());
    EXPECT_TRUE(noneShown());
}

class Audio : public ::testing::Test {
protected:
    void Start(const QString& media = QStringLiteral("song.wav"))
    {
        h.folder.WriteGame({{QStringLiteral("歌"), QStringLiteral("song"), 4, 2, 10, 0, media},
                            {QStringLiteral("静"), QStringLiteral("quiet"), 4, 2, 10}});
        h.folder.Write(QStringLiteral("media/song.wav"), "RIFF");
        h.Start(2);
    }
    QString Song() const { return QFileInfo(h.music.current).fileName(); }

    GameHarness h;
};

TEST_F(Audio, ALevelLoadClosesTheOldPieceAndStartsItsOwn)
{
    Start();
    EXPECT_EQ(Song(), QStringLiteral("song.wav"));
    h.flow->ChooseLevel(2);
    EXPECT_TRUE(h.music.current.isEmpty());
    EXPECT_EQ(h.music.events.last(), QStringLiteral("close"));
}

TEST_F(Audio, SwitchingMusicOffAndOnRestartsThePiece)
{
    Start();
    h.music.events.clear();
    h.audio().SetMusicOn(false);
    EXPECT_TRUE(h.music.current.isEmpty());
    h.flow->ChooseLevel(1); // music off: the level stays silent
    EXPECT_TRUE(h.music.current.isEmpty());
    h.audio().SetMusicOn(true);
    EXPECT_EQ(Song(), QStringLiteral("song.wav"));
    EXPECT_TRUE(h.audio().MusicOn());
}

TEST_F(Audio, AMissingPieceLeavesTheLevelSilentButTheSwitchOn)
{
    Start(QStringLiteral("gone.mp3"));
    EXPECT_TRUE(h.music.current.isEmpty());
    h.audio().SetMusicOn(false);
    h.audio().SetMusicOn(true);
    EXPECT_TRUE(h.music.current.isEmpty());
    EXPECT_TRUE(h.audio().MusicOn());
}

TEST_F(Audio, EffectsOffSilencesTheBoardButNotTheChooser)
{
    Start();
    h.audio().SetEffectsOn(false);
    h.effects.played.clear();
    h.Click(1);
    h.parts->toolbar.Click(Toolbar::Label::Pause);
    EXPECT_TRUE(h.effects.played.isEmpty());
    h.audio().PlayAlways(SoundEffect::Select);
    EXPECT_EQ(h.Sounds(), QStringList{QStringLiteral("mousedown1.wav")});
}

} // namespace
} // namespace daz::testing

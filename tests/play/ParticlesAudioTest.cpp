#include <gtest/gtest.h>

#include "GameHarness.h"

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

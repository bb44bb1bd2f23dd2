#include "audio_effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace daz::datagen::audio {
namespace {

double Seconds(const Clip& c)
{
    return static_cast<double>(c.samples.size()) / c.sampleRate;
}

// Rendered once for all the checks below.
const std::vector<Clip>& Effects()
{
    static const std::vector<Clip> effects = RenderSoundEffects();
    return effects;
}

TEST(SoundEffects, AreTheNineFilesTheGameLooksUp)
{
    std::set<std::string> names;
    for (const Clip& c : Effects()) {
        names.insert(c.fileName);
    }
    EXPECT_EQ(names, (std::set<std::string>{"mousedown1.wav", "mousedown2.wav", "mousedown3.wav", "lianjie.wav",
                                            "gamewin.wav", "gameover.wav", "ts.wav", "dl.wav", "cx.wav"}));
    EXPECT_EQ(Effects().size(), 9u);
}

TEST(SoundEffects, PeakAtMinusThreeDecibelsAndStartAndEndInSilence)
{
    for (const Clip& c : Effects()) {
        SCOPED_TRACE(c.fileName);
        EXPECT_EQ(c.sampleRate, 44100);
        ASSERT_FALSE(c.samples.empty());
        EXPECT_NEAR(20.0 * std::log10(Peak(c.samples)), -3.0, 0.01);
        EXPECT_LT(std::abs(c.samples.front()), 0.01f);
        EXPECT_LT(std::abs(c.samples.back()), 0.001f);
        for (float x : c.samples) {
            ASSERT_TRUE(std::isfinite(x));
        }
    }
}

TEST(SoundEffects, AreShortExceptTheTwoEndOfLevelPhrases)
{
    for (const Clip& c : Effects()) {
        SCOPED_TRACE(c.fileName);
        const bool phrase = c.fileName == "gamewin.wav" || c.fileName == "gameover.wav";
        EXPECT_LE(Seconds(c), phrase ? 2.5 : 0.6);
        // The hint tick repeats every half second and must be over by then.
        if (c.fileName == "ts.wav") {
            EXPECT_LT(Seconds(c), 0.5);
        }
    }
}

TEST(SoundEffects, AreTheSameOnEveryRun)
{
    const std::vector<Clip> again = RenderSoundEffects();
    ASSERT_EQ(again.size(), Effects().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].samples, Effects()[i].samples) << again[i].fileName;
    }
}

} // namespace
} // namespace daz::datagen::audio

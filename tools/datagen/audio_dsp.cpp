#include "audio_dsp.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>

namespace daz::datagen::audio {

double MidiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

double DbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

double Rng::Uniform()
{
    // 32 random bits mapped onto [0, 1).
    return static_cast<double>(engine_()) / 4294967296.0;
}

double Rng::Uniform(double lo, double hi)
{
    return lo + (hi - lo) * Uniform();
}

int Rng::Below(int n)
{
    return std::min(n - 1, static_cast<int>(Uniform() * n));
}

std::size_t Rng::Weighted(const std::vector<double>& weights)
{
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    double pick = Uniform() * total;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (pick < weights[i]) {
            return i;
        }
        pick -= weights[i];
    }
    // Rounding left a crumb past the last weight: take the last usable one.
    for (std::size_t i = weights.size(); i-- > 0;) {
        if (weights[i] > 0.0) {
            return i;
        }
    }
    return 0;
}

std::size_t SecondsToSamples(double seconds, double sampleRate)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * sampleRate));
}

void MixInto(Samples& target, const Samples& source, std::size_t offset, double gain)
{
    if (offset >= target.size()) {
        return;
    }
    const std::size_t n = std::min(source.size(), target.size() - offset);
    for (std::size_t i = 0; i < n; ++i) {
        target[offset + i] += static_cast<float>(source[i] * gain);
    }
}

void FadeIn(Samples& s, double seconds, double sampleRate)
{
    const std::size_t n = std::min(s.size(), SecondsToSamples(seconds, sampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * (i + 0.5) / n));
    }
}

void FadeOut(Samples& s, double seconds, double sampleRate)
{
    const std::size_t n = std::min(s.size(), SecondsToSamples(seconds, sampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        s[s.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * (i + 0.5) / n));
    }
}

float Peak(const Samples& s)
{
    float peak = 0.0f;
    for (float x : s) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

double Rms(const Samples& s)
{
    if (s.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (float x : s) {
        sum += static_cast<double>(x) * x;
    }
    return std::sqrt(sum / static_cast<double>(s.size()));
}

void Scale(Samples& s, double gain)
{
    for (float& x : s) {
        x = static_cast<float>(x * gain);
    }
}

void NormalisePeak(Samples& s, double db)
{
    const float peak = Peak(s);
    if (peak > 0.0f) {
        Scale(s, DbToGain(db) / peak);
    }
}

void LimitPeaks(Samples& s, double ceilingDb, double sampleRate)
{
    const double ceiling = DbToGain(ceilingDb);
    const std::size_t ahead = std::max<std::size_t>(1, SecondsToSamples(0.004, sampleRate));
    const double recovery = std::exp(-1.0 / (0.1 * sampleRate));

    // The gain each sample needs on its own, then the least of these over
    // the coming `ahead` samples, so the gain is already down when a peak
    // arrives.
    std::vector<double> needed(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double level = std::abs(s[i]);
        needed[i] = level > ceiling ? ceiling / level : 1.0;
    }
    std::vector<double> gain(s.size());
    std::deque<std::size_t> window; // indices of increasing needed gain
    double g = 1.0;
    for (std::size_t i = 0; i < s.size() + ahead; ++i) {
        if (i < s.size()) {
            while (!window.empty() && needed[window.back()] >= needed[i]) {
                window.pop_back();
            }
            window.push_back(i);
        }
        if (i < ahead) {
            continue;
        }
        const std::size_t at = i - ahead;
        while (window.front() < at) {
            window.pop_front();
        }
        const double lowest = needed[window.front()];
        g = std::min(lowest, 1.0 - (1.0 - g) * recovery);
        gain[at] = g;
    }

    // Averaging the gain over the look-ahead turns its steps into ramps;
    // every sample of the average still lies at or below what the peak
    // inside the window needs.
    double sum = 0.0;
    std::deque<double> recent;
    for (std::size_t i = 0; i < s.size(); ++i) {
        recent.push_back(gain[i]);
        sum += gain[i];
        if (recent.size() > ahead) {
            sum -= recent.front();
            recent.pop_front();
        }
        s[i] = static_cast<float>(s[i] * sum / static_cast<double>(recent.size()));
    }
}

double SmoothRise(double t, double seconds)
{
    if (t <= 0.0) {
        return 0.0;
    }
    if (t >= seconds) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(kPi * t / seconds);
}

OnePole::OnePole(double cutoffHz, double sampleRate) : a_(std::exp(-kTwoPi * cutoffHz / sampleRate)) {}

float OnePole::Process(float x)
{
    z_ = (1.0 - a_) * x + a_ * z_;
    return static_cast<float>(z_);
}

float DcBlocker::Process(float x)
{
    const double y = x - x1_ + 0.995 * y1_;
    x1_ = x;
    y1_ = y;
    return static_cast<float>(y);
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
{
}

Biquad Biquad::LowPass(double hz, double q, double sampleRate)
{
    const double w = kTwoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::HighPass(double hz, double q, double sampleRate)
{
    const double w = kTwoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::BandPass(double hz, double q, double sampleRate)
{
    const double w = kTwoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void Biquad::ProcessAll(Samples& s)
{
    for (float& x : s) {
        x = Process(x);
    }
}

namespace {

// Delay lengths of the classic tuning, in samples at 44.1 kHz; mutually
// prime-ish so that the echoes never line up into a buzz.
constexpr int kCombTuning[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPassTuning[] = {556, 441, 341, 225};

std::size_t ScaledLength(int samplesAt44k, double sampleRate)
{
    return std::max<std::size_t>(1, static_cast<std::size_t>(samplesAt44k * sampleRate / 44100.0));
}

} // namespace

Reverb::Reverb(double roomSize, double damping, double sampleRate)
    : feedback_(static_cast<float>(0.7 + 0.28 * roomSize)), damping_(static_cast<float>(0.4 * damping))
{
    for (int length : kCombTuning) {
        combs_.push_back(Comb{std::vector<float>(ScaledLength(length, sampleRate), 0.0f)});
    }
    for (int length : kAllPassTuning) {
        allPasses_.push_back(AllPass{std::vector<float>(ScaledLength(length, sampleRate), 0.0f)});
    }
}

Samples Reverb::Process(const Samples& in)
{
    Samples out(in.size(), 0.0f);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const float x = in[i] * 0.03f;
        float sum = 0.0f;
        for (Comb& c : combs_) {
            const float y = c.line[c.pos];
            c.store = y * (1.0f - damping_) + c.store * damping_;
            c.line[c.pos] = x + c.store * feedback_;
            c.pos = (c.pos + 1) % c.line.size();
            sum += y;
        }
        for (AllPass& a : allPasses_) {
            const float buffered = a.line[a.pos];
            a.line[a.pos] = sum + buffered * 0.5f;
            a.pos = (a.pos + 1) % a.line.size();
            sum = buffered - sum;
        }
        out[i] = sum * 3.0f;
    }
    return out;
}

} // namespace daz::datagen::audio

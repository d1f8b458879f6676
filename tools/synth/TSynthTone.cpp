#include "TSynthTone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

constexpr double TwoPi = 6.283185307179586;
// Long enough that the end of a tone never clicks, short enough not to be heard as a fade.
constexpr double ReleaseSeconds = 0.008;
constexpr double VibratoHz = 5.5;
// Overtones closer than this to half the sample rate would fold back as
// off-key whistles, so they are left out.
constexpr double HighestPartialShare = 0.45;

struct TPartial {
    double Ratio;
    double Level;
};
// The 4.16 overtone is off the harmonic series on purpose: it makes a chime of a plain tone.
constexpr std::array<TPartial, 4> BellPartials{{{1, 1}, {2, 0.45}, {3, 0.2}, {4.16, 0.12}}};
constexpr std::array<TPartial, 5> ReedPartials{
    {{1, 1}, {3, 1.0 / 3}, {5, 1.0 / 5}, {7, 1.0 / 7}, {9, 1.0 / 9}}};

// What one voice carries from sample to sample.
struct TVoice {
    double Phase = 0;
    std::uint32_t NoiseState = 0x2545F491U; // fixed, so every build writes the same bytes
    double Muffled = 0;
};

double Envelope(const TSynthTone& tone, double t)
{
    const double rise = tone.Attack > 0 ? std::min(1.0, t / tone.Attack) : 1.0;
    const double fall = t > tone.Attack ? std::exp(-(t - tone.Attack) / tone.Decay) : 1.0;
    const double release = std::clamp((tone.Length - t) / ReleaseSeconds, 0.0, 1.0);
    return rise * fall * release;
}

double FrequencyAt(const TSynthTone& tone, double t)
{
    const double glide = tone.FromHz * std::pow(tone.ToHz / tone.FromHz, t / tone.Length);
    const double wobble = tone.Vibrato * std::sin(TwoPi * VibratoHz * t);
    return glide * std::pow(2.0, wobble / 12.0);
}

// Higher overtones fade faster than the fundamental, as in a struck bar.
template <std::size_t N>
double Partials(const std::array<TPartial, N>& partials, double phase, double hz, double t,
                double decay, int sampleRate)
{
    double sum = 0;
    for (const TPartial& partial : partials) {
        if (partial.Ratio * hz >= HighestPartialShare * sampleRate)
            break;
        const double fade = std::exp(-(partial.Ratio - 1) * t / (2 * decay));
        sum += partial.Level * fade * std::sin(partial.Ratio * phase);
    }
    return sum;
}

double Noise(TVoice& voice, double hz, int sampleRate)
{
    voice.NoiseState = voice.NoiseState * 1664525U + 1013904223U;
    const double white = static_cast<double>(voice.NoiseState >> 8) / (1U << 23) - 1.0;
    const double pull = 1.0 - std::exp(-TwoPi * hz / sampleRate);
    voice.Muffled += pull * (white - voice.Muffled);
    return 2.0 * voice.Muffled; // muffling takes away about half the level
}

double Wave(const TSynthTone& tone, TVoice& voice, double hz, double t, int sampleRate)
{
    switch (tone.Timbre) {
    case tmBell:
        return Partials(BellPartials, voice.Phase, hz, t, tone.Decay, sampleRate);
    case tmReed:
        return Partials(ReedPartials, voice.Phase, hz, t, tone.Decay * 4, sampleRate);
    case tmNoise:
        return Noise(voice, hz, sampleRate);
    case tmSine:
        break;
    }
    return std::sin(voice.Phase);
}

} // namespace

void TSynthTone::AddTo(std::vector<double>& mix, int sampleRate) const
{
    const auto first = static_cast<std::size_t>(std::lround(Start * sampleRate));
    const auto count = static_cast<std::size_t>(std::lround(Length * sampleRate));
    mix.resize(std::max(mix.size(), first + count), 0.0);
    TVoice voice;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double hz = FrequencyAt(*this, t);
        mix[first + i] += Level * Envelope(*this, t) * Wave(*this, voice, hz, t, sampleRate);
        // Never wrapped: the off-series bell overtone would jump at every wrap.
        voice.Phase += TwoPi * hz / sampleRate;
    }
}

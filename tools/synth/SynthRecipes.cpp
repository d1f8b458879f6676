#include "SynthRecipes.h"

#include "Common.h"

#include <array>
#include <cmath>

namespace SynthRecipes {

namespace {

// Equal-tempered pitch, in semitones from the A at 440 Hz.
double Note(int semitones)
{
    return 440.0 * std::pow(2.0, semitones / 12.0);
}

constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A4 = 0, Bb4 = 1;
constexpr int Octave = 12;

TSynthTone Held(double start, double length, int note, TSynthTimbre timbre, double decay)
{
    TSynthTone tone;
    tone.Start = start;
    tone.Length = length;
    tone.FromHz = tone.ToHz = Note(note);
    tone.Timbre = timbre;
    tone.Decay = decay;
    return tone;
}

TSynthTone Glide(double length, double fromHz, double toHz, TSynthTimbre timbre, double decay)
{
    TSynthTone tone;
    tone.Length = length;
    tone.FromHz = fromHz;
    tone.ToHz = toHz;
    tone.Timbre = timbre;
    tone.Decay = decay;
    return tone;
}

// A cake: two quick bell strokes a fifth apart, the higher one ringing on.
TSynthEffect Cake()
{
    TSynthTone low = Held(0.0, 0.10, E5 + Octave, tmBell, 0.05);
    TSynthTone high = Held(0.07, 0.22, E5 + Octave + 7, tmBell, 0.07);
    low.Level = 0.8;
    low.Attack = high.Attack = 0.002;
    return {{low, high}, 0.7};
}

// A stamp: a low knock that sinks in pitch, with a muffled scuff on top. It
// is worth nothing, so it must not sound like a prize.
TSynthEffect Stamp()
{
    TSynthTone knock = Glide(0.16, 150, 50, tmSine, 0.045);
    TSynthTone scuff = Glide(0.05, 400, 150, tmNoise, 0.015);
    knock.Attack = 0.003;
    scuff.Attack = 0.001;
    scuff.Level = 0.35;
    return {{knock, scuff}, 0.8};
}

// A gelato: a quick run up two octaves of a major chord, topped by a wobbling twinkle.
TSynthEffect Gelato()
{
    constexpr std::array<int, 6> Run = {C5, E5, G5, C5 + Octave, E5 + Octave, G5 + Octave};
    constexpr double Step = 0.045;
    TSynthEffect effect{{}, 0.6};
    for (int i = 0; i < static_cast<int>(Run.size()); ++i) {
        TSynthTone tone = Held(i * Step, 0.18, Run[i] + Octave, tmBell, 0.05);
        tone.Attack = 0.002;
        tone.Level = 0.6 + 0.08 * i;
        effect.Tones.push_back(tone);
    }
    TSynthTone twinkle = Held(6 * Step, 0.2, C5 + 3 * Octave, tmBell, 0.06);
    twinkle.Level = 0.35;
    twinkle.Vibrato = 0.3;
    effect.Tones.push_back(twinkle);
    return effect;
}

// A player turning at a wall: a soft, short bump, heard often, so it is the
// shortest and plainest of all.
TSynthEffect Corrision()
{
    TSynthTone body = Glide(0.09, 260, 170, tmSine, 0.03);
    TSynthTone edge = Glide(0.09, 520, 340, tmSine, 0.02);
    body.Attack = edge.Attack = 0.002;
    edge.Level = 0.3;
    return {{body, edge}, 0.6};
}

// Back home: a major arpeggio up to the top, a step back, and the top again, held.
TSynthEffect Back()
{
    TSynthEffect effect{{}, 0.5};
    effect.Tones = {
        Held(0.00, 0.14, C5, tmReed, 0.12), Held(0.12, 0.14, E5, tmReed, 0.12),
        Held(0.24, 0.14, G5, tmReed, 0.12), Held(0.36, 0.20, C5 + Octave, tmReed, 0.15),
        Held(0.52, 0.12, G5, tmReed, 0.12), Held(0.64, 0.36, C5 + Octave, tmReed, 0.15),
    };
    TSynthTone shine = Held(0.64, 0.36, C5 + 2 * Octave, tmBell, 0.15);
    shine.Level = 0.3;
    effect.Tones.push_back(shine);
    return effect;
}

// Game over: three slow steps down, and a last note that sags and wavers.
TSynthEffect GameOver()
{
    constexpr double Step = 0.22;
    TSynthEffect effect{{}, 0.4}; // long and low, so it sounds loud at a lower peak
    effect.Tones = {
        Held(0 * Step, Step, D5, tmReed, 0.2),
        Held(1 * Step, Step, C5, tmReed, 0.2),
        Held(2 * Step, Step, Bb4, tmReed, 0.2),
    };
    TSynthTone last = Glide(0.44, Note(A4), Note(A4 - 2), tmReed, 0.2);
    last.Start = 3 * Step;
    last.Vibrato = 0.25;
    effect.Tones.push_back(last);
    for (TSynthTone& tone : effect.Tones)
        tone.Attack = 0.015; // a soft start, like a sigh
    return effect;
}

} // namespace

TSynthEffect ForSound(int id)
{
    switch (id) {
    case Common::sndCake:
        return Cake();
    case Common::sndStamp:
        return Stamp();
    case Common::sndGelato:
        return Gelato();
    case Common::sndCollision:
        return Corrision();
    case Common::sndBack:
        return Back();
    case Common::sndGameOver:
        return GameOver();
    default:
        return {};
    }
}

} // namespace SynthRecipes

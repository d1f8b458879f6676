#pragma once
// One voice of a sound effect: a pitch that glides from one frequency to
// another, a timbre, and a struck envelope that rises fast and dies away.

#include <vector>

enum TSynthTimbre {
    tmSine,  // a pure tone: thuds and bumps, where overtones would sound hard
    tmBell,  // bright overtones that die faster than the tone: chimes, sparkles
    tmReed,  // odd harmonics, a soft square: cheerful or sad tunes
    tmNoise, // noise muffled at the tone's pitch: the scuff of a thud
};

struct TSynthTone {
    double Start = 0;    // seconds from the start of the effect
    double Length = 0.1; // seconds; the tone has faded to silence at its end
    double FromHz = 440; // the pitch glides exponentially from FromHz ...
    double ToHz = 440;   // ... to ToHz over the tone's length
    double Level = 1;    // relative to the other tones of the effect
    TSynthTimbre Timbre = tmSine;
    double Attack = 0.004; // seconds of linear rise
    double Decay = 0.1;    // seconds in which the level falls by 1/e after the attack
    double Vibrato = 0;    // depth in semitones of a slow pitch wobble

    // Adds the tone to mix, a signal of sampleRate samples a second that
    // starts with the effect; mix grows to hold the whole tone.
    // Expects Length > 0, FromHz > 0, ToHz > 0, Decay > 0.
    void AddTo(std::vector<double>& mix, int sampleRate) const;
};

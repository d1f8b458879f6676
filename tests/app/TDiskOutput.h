#pragma once
// What SDL's "disk" audio driver writes: the raw 16-bit frames the mixer
// plays, in real time, to a file. Tests read back from it which effects were
// heard, in which order, and whether each played to its end.

#include "TTestTone.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TDiskOutput {
public:
    // Points SDL's audio at the disk driver writing to path. Takes effect
    // when the audio device is next opened.
    explicit TDiskOutput(std::string path);

    // Bytes written so far.
    std::size_t Bytes() const;
    // Waits until at least bytes are written; false if the output stalls.
    bool WaitFor(std::size_t bytes) const;
    // Waits until some of tone is heard; false if it never is.
    bool WaitUntilHeard(const TTestTone& tone) const;

    // The effects heard from these tones, in order, separated by spaces: a
    // tone's name, followed by '~' if it was cut off before its end; '_' for
    // silence after a sound; '?' for sound that is none of the tones. "A~ B _"
    // is A cut off by the start of B, which played to its end, then silence.
    std::string Heard(const std::vector<const TTestTone*>& tones, int channels) const;

private:
    std::string FPath;

    std::vector<std::int16_t> Samples() const;
};

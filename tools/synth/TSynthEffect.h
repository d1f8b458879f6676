#pragma once
// A sound effect as a score: the tones that sound together, and how loud the
// loudest moment of the mix may be.

#include "TSynthTone.h"

#include <cstdint>
#include <vector>

struct TSynthEffect {
    std::vector<TSynthTone> Tones;
    double Peak = 0.5; // of full scale, 0 < Peak <= 1

    // The mix of all tones, scaled so that its loudest sample is Peak, as
    // 16-bit samples at sampleRate; empty when there are no tones.
    std::vector<std::int16_t> Render(int sampleRate) const;
};

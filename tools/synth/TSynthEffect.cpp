#include "TSynthEffect.h"

#include <algorithm>
#include <cmath>

std::vector<std::int16_t> TSynthEffect::Render(int sampleRate) const
{
    std::vector<double> mix;
    for (const TSynthTone& tone : Tones)
        tone.AddTo(mix, sampleRate);

    double loudest = 0;
    for (const double sample : mix)
        loudest = std::max(loudest, std::abs(sample));
    // Levels in a score are relative, so each effect is set to its own peak
    // here instead of its author balancing the tones against clipping.
    const double gain = loudest > 0 ? Peak * 32767.0 / loudest : 0.0;

    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (const double sample : mix)
        samples.push_back(static_cast<std::int16_t>(std::lround(sample * gain)));
    return samples;
}

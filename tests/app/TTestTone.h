#pragma once
// A test effect that gives itself away in the mixer's output: every sample of
// tone A carries 1 in its low three bits, B 2, up to G 7, and silence is 0, so
// each output frame tells which effect it came from, and where in it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TTestTone {
public:
    // 'A' <= name <= 'G'; 16-bit samples at rate, channels to a frame.
    TTestTone(char name, std::size_t frames, int rate, int channels);

    char Name() const { return FName; }
    std::size_t Frames() const { return FSamples.size() / FChannels; }
    // Sample c of frame i; 0 <= i < Frames(), 0 <= c < channels.
    std::int16_t At(std::size_t i, int c) const { return FSamples[i * FChannels + c]; }
    // Which tone a sample belongs to: 'A' to 'G', or 0 for silence.
    static char NameOf(std::int16_t sample);

    // The tone as a complete 16-bit PCM WAVE file.
    std::string Wave() const;
    // Like Wave(), but the header promises dataBytes of samples.
    std::string WaveClaiming(std::uint32_t dataBytes) const;

private:
    char FName;
    int FRate;
    int FChannels;
    std::vector<std::int16_t> FSamples; // frame after frame
};

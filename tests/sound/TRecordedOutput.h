#pragma once
// What an output played, as a file of its 16-bit samples that grows in real
// time (SDL's "disk" driver writes one, a recorder of a sound server's sink
// another); and test effects that give themselves away in it.

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

// Every sample of tone A carries 1 in its low three bits, B 2, up to G 7; silence is 0.
struct TTestTone {
    // 'A' <= name <= 'G'; frames of 16-bit samples at rate, channels to a frame.
    TTestTone(char name, std::size_t frames, int rate, int channels)
        : Name(name), Samples(frames * channels)
    {
        const auto dataBytes = static_cast<std::uint32_t>(2 * Samples);
        Wave = "RIFF" + Bytes(36 + dataBytes, 4) + "WAVEfmt " + Bytes(16, 4) + Bytes(1, 2) +
               Bytes(channels, 2) + Bytes(rate, 4) + Bytes(rate * channels * 2, 4) +
               Bytes(channels * 2, 2) + Bytes(16, 2) + "data" + Bytes(dataBytes, 4);
        for (std::size_t i = 0; i < Samples; ++i) // a square wave
            Wave += Bytes((i / channels % 220 < 110 ? 4096 : 0xF000) | (name - 'A' + 1), 2);
    }

    static std::string Bytes(std::uint32_t value, int size) // little-endian
    {
        return size == 0 ? "" : static_cast<char>(value & 0xFFU) + Bytes(value >> 8, size - 1);
    }

    char Name;
    std::size_t Samples;
    std::string Wave; // the tone as a 16-bit PCM WAVE file
};

struct TRecordedOutput {
    const std::string Path;

    // In the machine's byte order, as the outputs play them.
    std::vector<std::int16_t> Samples() const
    {
        std::ifstream file(Path, std::ios::binary | std::ios::ate);
        std::vector<std::int16_t> samples(std::max<std::streamoff>(file.tellg(), 0) / 2);
        file.seekg(0).read(reinterpret_cast<char*>(samples.data()),
                           static_cast<std::streamsize>(2 * samples.size()));
        return samples;
    }

    // The effects heard from these tones, in order, apart by blanks: a tone's name, followed by '~'
    // if it was cut off before its end, and '_' for silence after a sound. "A~ B _" is A cut off by
    // the start of B, which played to its end, then silence.
    std::string Heard(const std::vector<const TTestTone*>& tones) const
    {
        const std::vector<std::int16_t> samples = Samples();
        std::string heard;
        for (std::size_t start = 0, end = 0; start < samples.size(); start = end) {
            const int tag = samples[start] & 7;
            while (end < samples.size() && (samples[end] & 7) == tag)
                ++end;
            if (heard.empty() && tag == 0)
                continue; // the device starting
            heard += (heard.empty() ? "" : " ") +
                     std::string(1, tag == 0 ? '_' : static_cast<char>('@' + tag));
            for (const TTestTone* tone : tones)
                heard += tone->Name == heard.back() && end - start < tone->Samples ? "~" : "";
        }
        return heard;
    }
};

#include "TTestTone.h"

#include <cmath>

namespace {

constexpr int TagBits = 7;

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

} // namespace

TTestTone::TTestTone(char name, std::size_t frames, int rate, int channels)
    : FName(name), FRate(rate), FChannels(channels)
{
    const int tag = name - 'A' + 1;
    // Pitch and level differ too, so that the tones of a recording can also
    // be told apart by ear or in a spectrogram.
    const double hz = 150.0 + 70.0 * tag;
    const double level = 4000.0 + 1000.0 * tag;
    FSamples.reserve(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto value = static_cast<int>(
            std::lround(level * std::cos(6.283185307179586 * hz * static_cast<double>(i) / rate)));
        for (int c = 0; c < channels; ++c)
            FSamples.push_back(static_cast<std::int16_t>((value & ~TagBits) | tag));
    }
}

char TTestTone::NameOf(std::int16_t sample)
{
    const int tag = sample & TagBits;
    return tag == 0 ? '\0' : static_cast<char>('A' + tag - 1);
}

std::string TTestTone::Wave() const
{
    return WaveClaiming(static_cast<std::uint32_t>(2 * FSamples.size()));
}

std::string TTestTone::WaveClaiming(std::uint32_t dataBytes) const
{
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2); // integer PCM
    PutLittleEndian(bytes, static_cast<std::uint32_t>(FChannels), 2);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(FRate), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(FRate * FChannels * 2), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(FChannels * 2), 2);
    PutLittleEndian(bytes, 16, 2);
    bytes += "data";
    PutLittleEndian(bytes, dataBytes, 4);
    for (const std::int16_t sample : FSamples)
        PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

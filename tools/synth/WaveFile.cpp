#include "WaveFile.h"

#include <fstream>

namespace WaveFile {

namespace {

// WAVE is little-endian whatever the machine is.
void PutLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

std::string Header(std::uint32_t dataBytes, int sampleRate)
{
    constexpr std::uint32_t FormatBytes = 16;
    constexpr int Channels = 1;
    constexpr int BytesPerSample = 2;
    std::string header = "RIFF";
    PutLittleEndian(header, 4 + (8 + FormatBytes) + (8 + dataBytes), 4);
    header += "WAVEfmt ";
    PutLittleEndian(header, FormatBytes, 4);
    PutLittleEndian(header, 1, 2); // integer PCM
    PutLittleEndian(header, Channels, 2);
    PutLittleEndian(header, static_cast<std::uint32_t>(sampleRate), 4);
    PutLittleEndian(header, static_cast<std::uint32_t>(sampleRate * Channels * BytesPerSample), 4);
    PutLittleEndian(header, Channels * BytesPerSample, 2);
    PutLittleEndian(header, 8 * BytesPerSample, 2);
    header += "data";
    PutLittleEndian(header, dataBytes, 4);
    return header;
}

} // namespace

bool WriteMono16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    std::string bytes = Header(static_cast<std::uint32_t>(2 * samples.size()), sampleRate);
    for (const std::int16_t sample : samples)
        PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

} // namespace WaveFile

// The effects the build synthesises, checked where the game finds them: in
// the folder "Sound" beside the program, which this test program shares.

#include "Common.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr std::size_t HeaderBytes = 44;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

class TBuiltEffect {
public:
    explicit TBuiltEffect(int id)
        : Name(Common::SoundFileNames[id]), Bytes(ReadFile(Common::SoundFolder() + Name))
    {
    }

    std::string Name;
    std::string Bytes;

    std::vector<std::int16_t> Samples() const
    {
        std::vector<std::int16_t> samples;
        for (std::size_t at = HeaderBytes; at + 1 < Bytes.size(); at += 2)
            samples.push_back(static_cast<std::int16_t>(LittleEndian(Bytes, at, 2)));
        return samples;
    }
    double Seconds() const { return static_cast<double>(Samples().size()) / Rate; }
};

// The plainest WAVE file there is, which every loader reads.
TEST(BuiltEffectsTest, AreSixteenBitMonoPcmAt22050Hz)
{
    for (int id = 0; id < Common::SoundCount; ++id) {
        const TBuiltEffect effect(id);
        SCOPED_TRACE(effect.Name);
        ASSERT_GT(effect.Bytes.size(), HeaderBytes);
        EXPECT_EQ(effect.Bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(LittleEndian(effect.Bytes, 4, 4), effect.Bytes.size() - 8);
        EXPECT_EQ(effect.Bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(LittleEndian(effect.Bytes, 16, 4), 16U);
        EXPECT_EQ(LittleEndian(effect.Bytes, 20, 2), 1U) << "integer PCM";
        EXPECT_EQ(LittleEndian(effect.Bytes, 22, 2), 1U) << "mono";
        EXPECT_EQ(LittleEndian(effect.Bytes, 24, 4), static_cast<std::uint32_t>(Rate));
        EXPECT_EQ(LittleEndian(effect.Bytes, 34, 2), 16U) << "bits a sample";
        EXPECT_EQ(effect.Bytes.substr(36, 4), "data");
        EXPECT_EQ(LittleEndian(effect.Bytes, 40, 4), effect.Bytes.size() - HeaderBytes);
    }
}

// Pick-ups come every few ticks and cut each other off, so they are short;
// the bump on turning at a wall is the most frequent of all; the two ends of
// a game have time for a phrase of about a second.
TEST(BuiltEffectsTest, LengthsSuitWhenTheyPlay)
{
    struct TRange {
        double Least;
        double Most;
    };
    const std::array<TRange, Common::SoundCount> ranges = {{
        {0.1, 0.4},
        {0.05, 0.3},
        {0.2, 0.6},
        {0.03, 0.149},
        {0.8, 1.3},
        {0.8, 1.3},
    }};
    for (int id = 0; id < Common::SoundCount; ++id) {
        const TBuiltEffect effect(id);
        EXPECT_GE(effect.Seconds(), ranges[id].Least) << effect.Name;
        EXPECT_LE(effect.Seconds(), ranges[id].Most) << effect.Name;
    }
}

// Loud enough to be heard over the others, never clipped, and starting and
// ending at rest, since a jump from or to silence clicks.
TEST(BuiltEffectsTest, LoudButUnclippedAndWithoutClicks)
{
    constexpr int FullScale = 32768;
    for (int id = 0; id < Common::SoundCount; ++id) {
        const TBuiltEffect effect(id);
        const std::vector<std::int16_t> samples = effect.Samples();
        ASSERT_FALSE(samples.empty()) << effect.Name;
        int peak = 0;
        for (const std::int16_t sample : samples)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        EXPECT_GE(peak, FullScale * 3 / 10) << effect.Name;
        EXPECT_LE(peak, FullScale * 9 / 10) << effect.Name;
        EXPECT_LE(std::abs(samples.front()), FullScale / 100) << effect.Name;
        EXPECT_LE(std::abs(samples.back()), FullScale / 100) << effect.Name;
    }
}

} // namespace

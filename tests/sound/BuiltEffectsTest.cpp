// The effects the build synthesises, checked where the game finds them: in
// the folder "Sound" beside the program, which this test program shares.

#include "Common.h"
#include "TRecordedOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using namespace std::string_literals;

// The plainest WAVE file there is, 16-bit mono PCM at 22,050 Hz, which every loader reads. Pick-ups
// come every few ticks and cut each other off, so they are short; the bump on turning at a wall is
// the most frequent of all; the two ends of a game have time for a phrase of about a second. Each
// is loud enough to be heard over the others, never clipped, and starts and ends at rest, since a
// jump from or to silence clicks.
TEST(BuiltEffectsTest, AreShortPlainWaveFilesThatDoNotClick)
{
    const std::array<std::pair<double, double>, Common::SoundCount> seconds = {
        {{0.1, 0.4}, {0.05, 0.3}, {0.2, 0.6}, {0.03, 0.149}, {0.8, 1.3}, {0.8, 1.3}}};
    for (int id = 0; id < Common::SoundCount; ++id) {
        SCOPED_TRACE(Common::SoundFileNames[id]);
        std::ifstream file(Common::SoundFolder() + Common::SoundFileNames[id], std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        ASSERT_GT(bytes.size(), 46U);
        const auto size = static_cast<std::uint32_t>(bytes.size());
        EXPECT_EQ(bytes.substr(0, 44),
                  "RIFF" + TTestTone::Bytes(size - 8, 4) +
                      "WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data"s +
                      TTestTone::Bytes(size - 44, 4));

        std::vector<std::int16_t> samples((size - 44) / 2); // little-endian, as is the machine
        std::memcpy(samples.data(), bytes.data() + 44, 2 * samples.size());
        const auto [shortest, longest] = seconds[id];
        EXPECT_NEAR(samples.size() / 22050.0, (shortest + longest) / 2, (longest - shortest) / 2);
        const int peak = std::abs(std::ranges::max(samples, {}, [](int s) { return std::abs(s); }));
        EXPECT_NEAR(peak, 32768 * 0.6, 32768 * 0.3);
        EXPECT_LE(std::max(std::abs(samples.front()), std::abs(samples.back())), 32768 / 100);
    }
}

} // namespace

#include "TDiskOutput.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

namespace {

// Far beyond what any test waits for, so that only a stalled output fails;
// the tests assert what is heard, never when.
constexpr auto Patience = std::chrono::seconds(30);
constexpr auto PollInterval = std::chrono::milliseconds(5);

template <typename TCondition> bool WaitUntil(TCondition condition)
{
    const auto giveUp = std::chrono::steady_clock::now() + Patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        std::this_thread::sleep_for(PollInterval);
    }
    return true;
}

bool FrameIsSilent(const std::vector<std::int16_t>& samples, std::size_t frame, int channels)
{
    for (int c = 0; c < channels; ++c)
        if (samples[frame * channels + c] != 0)
            return false;
    return true;
}

// How many frames of tone, from its start, the output holds from frame on.
std::size_t MatchLength(const std::vector<std::int16_t>& samples, std::size_t frame, int channels,
                        const TTestTone& tone)
{
    const std::size_t frames = samples.size() / channels;
    std::size_t length = 0;
    while (length < tone.Frames() && frame + length < frames) {
        for (int c = 0; c < channels; ++c)
            if (samples[(frame + length) * channels + c] != tone.At(length, c))
                return length;
        ++length;
    }
    return length;
}

const TTestTone* Named(const std::vector<const TTestTone*>& tones, char name)
{
    for (const TTestTone* tone : tones)
        if (tone->Name() == name)
            return tone;
    return nullptr;
}

struct TWord {
    std::string Text;
    std::size_t Frames; // of output that the word stands for
};

// The sound that starts at frame, which is not silent.
TWord WordAt(const std::vector<std::int16_t>& samples, std::size_t frame, int channels,
             const std::vector<const TTestTone*>& tones)
{
    const TTestTone* tone = Named(tones, TTestTone::NameOf(samples[frame * channels]));
    const std::size_t length = tone ? MatchLength(samples, frame, channels, *tone) : 0;
    if (length == 0)
        return {"?", 1};
    return {std::string(1, tone->Name()) + (length < tone->Frames() ? "~" : ""), length};
}

// Silence or strange sound goes down once however long it lasts.
void Append(std::vector<std::string>& words, const std::string& word)
{
    const bool lasting = word == "_" || word == "?";
    if (!(lasting && !words.empty() && words.back() == word))
        words.push_back(word);
}

} // namespace

TDiskOutput::TDiskOutput(std::string path) : FPath(std::move(path))
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", FPath.c_str(), 1);
}

std::size_t TDiskOutput::Bytes() const
{
    std::error_code error;
    const auto size = std::filesystem::file_size(FPath, error);
    return error ? 0 : static_cast<std::size_t>(size);
}

bool TDiskOutput::WaitFor(std::size_t bytes) const
{
    return WaitUntil([&] { return Bytes() >= bytes; });
}

bool TDiskOutput::WaitUntilHeard(const TTestTone& tone) const
{
    return WaitUntil([&] {
        for (const std::int16_t sample : Samples())
            if (TTestTone::NameOf(sample) == tone.Name())
                return true;
        return false;
    });
}

std::string TDiskOutput::Heard(const std::vector<const TTestTone*>& tones, int channels) const
{
    const std::vector<std::int16_t> samples = Samples();
    const std::size_t frames = samples.size() / channels;
    std::vector<std::string> words;
    for (std::size_t frame = 0; frame < frames;) {
        if (!FrameIsSilent(samples, frame, channels)) {
            const TWord word = WordAt(samples, frame, channels, tones);
            Append(words, word.Text);
            frame += word.Frames;
        } else {
            if (!words.empty()) // the silence before the first sound is the device starting
                Append(words, "_");
            ++frame;
        }
    }
    std::string heard;
    for (const std::string& word : words)
        heard += (heard.empty() ? "" : " ") + word;
    return heard;
}

std::vector<std::int16_t> TDiskOutput::Samples() const
{
    std::ifstream file(FPath, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(low | (high << 8));
    }
    return samples;
}

#include "TGameSound.h"

#include "Common.h"
#include "TGamePulseOutput.h"
#include "TGameSdlOutput.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Our effects are a few dozen KiB. A file far larger is not an effect, and
// reading it whole would only tie up memory for the whole run.
constexpr std::size_t MaxFileBytes = std::size_t{16} * 1024 * 1024;
// Nor is an effect longer than the largest file holds at the outputs' rate,
// however slow the rate of the file it came from.
constexpr std::size_t MaxSamples = MaxFileBytes / 2;

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    const std::string bytes = Common::ReadFile(path, MaxFileBytes).value_or("");
    return {bytes.begin(), bytes.end()};
}

// The little-endian number of size bytes at the start of bytes.
std::uint32_t Number(std::span<const unsigned char> bytes, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

struct TWaveFormat {
    std::uint32_t Channels = 0;
    std::uint32_t Rate = 0;
    std::uint32_t Bits = 0;

    std::size_t FrameBytes() const { return std::size_t{Channels} * Bits / 8; }
};

// PCM of 8 or 16 bits, plainly or in the extensible header's words.
std::optional<TWaveFormat> ReadFormat(std::span<const unsigned char> chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    const std::uint32_t tag = Number(chunk, 2);
    const bool pcm =
        tag == 1 || (tag == 0xFFFE && chunk.size() >= 26 && Number(chunk.subspan(24), 2) == 1);
    const TWaveFormat format{Number(chunk.subspan(2), 2), Number(chunk.subspan(4), 4),
                             Number(chunk.subspan(14), 2)};
    if (!pcm || format.Channels == 0 || format.Rate == 0 || (format.Bits != 8 && format.Bits != 16))
        return std::nullopt;
    return format;
}

// The frames of the data chunk mixed down to one channel.
std::vector<std::int16_t> Mono(const TWaveFormat& format, std::span<const unsigned char> data)
{
    const std::size_t frameBytes = format.FrameBytes();
    const std::size_t sampleBytes = format.Bits / 8;
    std::vector<std::int16_t> mono(data.size() / frameBytes);
    for (std::size_t frame = 0; frame < mono.size(); ++frame) {
        std::int64_t sum = 0;
        for (std::size_t channel = 0; channel < format.Channels; ++channel) {
            const std::uint32_t raw =
                Number(data.subspan(frame * frameBytes + channel * sampleBytes), sampleBytes);
            sum += sampleBytes == 1 ? (static_cast<int>(raw) - 128) * 256
                                    : static_cast<std::int16_t>(raw);
        }
        mono[frame] = static_cast<std::int16_t>(sum / static_cast<std::int64_t>(format.Channels));
    }
    return mono;
}

// From rate frames a second to the outputs' rate, by straight lines between
// the samples: effects are short and bright, and any file of ours needs none.
std::vector<std::int16_t> Resample(std::vector<std::int16_t> samples, std::uint32_t rate)
{
    constexpr std::uint64_t goal = TGameSoundOutput::Rate;
    if (rate == goal || samples.empty())
        return samples;
    const auto frames = std::min<std::uint64_t>(samples.size() * goal / rate, MaxSamples);
    std::vector<std::int16_t> resampled(frames);
    for (std::uint64_t i = 0; i < frames; ++i) {
        const std::uint64_t from = i * rate / goal;
        const std::uint64_t next = std::min<std::uint64_t>(from + 1, samples.size() - 1);
        const double part = static_cast<double>(i * rate % goal) / goal;
        resampled[i] =
            static_cast<std::int16_t>(samples[from] + part * (samples[next] - samples[from]));
    }
    return resampled;
}

} // namespace

std::unique_ptr<TGameSoundOutput> TGameSound::OpenOutput(const std::stop_token& stop)
{
    if (auto server = TGamePulseOutput::Open(stop))
        return server;
    if (stop.stop_requested())
        return nullptr;
    return TGameSdlOutput::Open();
}

TGameSound::TGameSound(TOutputOpen open)
{
    try {
        Opener = std::jthread([this, open = std::move(open)](const std::stop_token& stop) {
            FOutput = open(stop);
            const std::scoped_lock locked(IdleLock);
            if (FOutput != nullptr)
                FOutput->SetIdle(FIdle);
            FOutputOpen = FOutput != nullptr;
        });
    } catch (const std::system_error&) {
        // No thread to open it on: the game plays on without sound.
    }
}

TGameSound::~TGameSound()
{
    Unload();
    if (Opener.joinable()) {
        Opener.request_stop();
        Opener.join();
    }
}

std::vector<std::string> TGameSound::PathsIn(const std::string& folder)
{
    std::vector<std::string> paths;
    paths.reserve(Common::SoundFileNames.size());
    for (const char* name : Common::SoundFileNames)
        paths.push_back(folder + name);
    return paths;
}

void TGameSound::Load(const std::vector<std::string>& paths)
{
    Unload();
    Effects.reserve(paths.size());
    // Every failure on the way leaves an empty effect, which plays as
    // silence: the game is fully playable without sound.
    for (const std::string& path : paths)
        Effects.push_back(Decode(ReadWholeFile(path)));
}

void TGameSound::Unload()
{
    Stop(); // the card's output reads an effect's samples while it plays
    Effects.clear();
}

void TGameSound::Play(int id)
{
    if (!Enabled || Output() == nullptr)
        return;
    if (!Loaded(id)) {
        Stop();
        return;
    }
    Output()->Start(Effects[id]);
    // The server plays it a buffer's length later at most, 120 ms, and
    // corking it sooner would cut its end.
    const auto length = std::chrono::microseconds(
        static_cast<std::int64_t>(Effects[id].size()) * 1'000'000 / TGameSoundOutput::Rate);
    Silent = std::chrono::steady_clock::now() + length + std::chrono::milliseconds(250);
}

void TGameSound::Stop()
{
    Silent = {};
    if (Output() != nullptr)
        Output()->Stop();
}

bool TGameSound::Sounding() const
{
    return std::chrono::steady_clock::now() < Silent;
}

void TGameSound::SetIdle(bool idle)
{
    const std::scoped_lock locked(IdleLock);
    if (idle == FIdle)
        return;
    FIdle = idle;
    if (Output() != nullptr)
        Output()->SetIdle(idle);
}

bool TGameSound::Loaded(int id) const
{
    return id >= 0 && static_cast<std::size_t>(id) < Effects.size() && !Effects[id].empty();
}

TGameSoundOutput* TGameSound::Output() const
{
    return FOutputOpen ? FOutput.get() : nullptr;
}

std::vector<std::int16_t> TGameSound::Decode(const std::vector<unsigned char>& file)
{
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return {};
    std::optional<TWaveFormat> format;
    std::span<const unsigned char> data;
    for (std::size_t pos = 12; pos + 8 <= file.size();) {
        const std::span<const unsigned char> header(file.data() + pos, 8);
        const std::uint32_t size = Number(header.subspan(4), 4);
        if (size > file.size() - pos - 8)
            return {}; // cut off: nothing of a file that promises more than it holds
        const std::span<const unsigned char> chunk(file.data() + pos + 8, size);
        if (std::memcmp(header.data(), "fmt ", 4) == 0)
            format = ReadFormat(chunk);
        else if (std::memcmp(header.data(), "data", 4) == 0)
            data = chunk;
        pos += 8 + std::size_t{size} + size % 2; // a chunk of odd size is followed by a pad byte
    }
    if (!format)
        return {};
    return Resample(Mono(*format, data), format->Rate);
}

// The sound player, heard through SDL's "disk" audio driver, which writes
// every sample the mixer plays to a file. Which files load needs no ear: SDL's
// "dummy" driver opens a device that plays nowhere.

#include "TGameSound.h"
#include "Common.h"
#include "TDiskOutput.h"
#include "TScratchFolder.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

namespace {

using namespace std::string_literals;
constexpr int Rate = 22050;
constexpr std::size_t MiB = std::size_t{1024} * 1024;
// Far longer than a test takes to react, so that it is still playing when cut.
constexpr double LongSeconds = 5.0;

// The game's effects are found by their names, the collision's keeping its
// old misspelling. Only WAVE files with samples become effects: any other
// file leaves its own effect silent and no other.
TEST(TGameSoundTest, LoadsOnlyWaveFilesWithSamples)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const TScratchFolder scratch;
    TGameSound sound;
    const std::string tone = TTestTone('B', Rate / 10, Rate, 1).Wave;
    for (const char* name : {"Cake.wav", "Stamp.wav", "Gelato.wav", "Back.wav", "GameOver.wav",
                             "Collision.wav", "corrision.wav", "Corrision.WAV"})
        scratch.Write(name, tone);
    sound.Load(TGameSound::PathsIn(scratch.Folder));
    for (int id = 0; id < Common::SoundCount; ++id)
        EXPECT_EQ(sound.Loaded(id), id != Common::sndCollision) << Common::SoundFileNames[id];

    const std::vector<std::pair<const char*, std::string>> files = {
        {"Good.wav", tone},
        {"Largest.wav", TTestTone('C', (16 * MiB - 44) / 2, Rate, 1).Wave},
        {"Huge.wav", TTestTone('C', (16 * MiB + 2 - 44) / 2, Rate, 1).Wave},
        {"Empty.wav", ""},
        {"Text.wav", "Not a sound at all, only a few words of text.\n"},
        {"Video.wav", tone.substr(0, 8) + "AVI " + tone.substr(12)},
        {"Silent.wav", TTestTone('B', 0, Rate, 1).Wave},
        {"Truncated.wav", tone.substr(0, tone.size() / 2)}, // the header promises more
    };
    std::vector<std::string> paths;
    for (const auto& [name, bytes] : files)
        paths.push_back(scratch.Write(name, bytes));
    // No files to read: missing, a folder, and a pipe with no writer, which
    // would block an ordinary open for good.
    paths.push_back(scratch.Folder + "Missing.wav");
    paths.push_back(scratch.Folder + "Folder.wav");
    std::filesystem::create_directory(paths.back());
    paths.push_back(scratch.Folder + "Pipe.wav");
    ASSERT_EQ(mkfifo(paths.back().c_str(), 0600), 0);
    sound.Load(paths);
    for (int i = 0; i < static_cast<int>(paths.size()); ++i) {
        EXPECT_EQ(sound.Loaded(i), i < 2) << paths[i]; // only files up to 16 MiB are read
        sound.Play(i);
    }
}

// A player on the disk driver, which writes in real time: the tests wait for
// enough output and assert only what is heard, never when.
class TGameSoundPlaybackTest : public testing::Test {
protected:
    void SetUp() override
    {
        Open();
        Listen(0); // the device is open once its output has begun
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&DeviceRate, &format, &Channels), 1) << "no disk driver";
        ASSERT_EQ(format, AUDIO_S16LSB) << "the test tones and the output reader are 16-bit";
    }

    // A new output file and a new player; the last player's end shut SDL's
    // audio down entirely, and this one must start it again.
    void Open(const TGameSound::TDeviceOpen& open = TGameSound::OpenDevice)
    {
        Sound.reset();
        Output = std::make_unique<TDiskOutput>(Scratch.Folder + std::to_string(++Opened) + ".raw");
        Sound = std::make_unique<TGameSound>(open);
    }

    // In the device's own format, which the mixer plays unchanged; as name.wav.
    TTestTone Tone(char name, double seconds) const
    {
        TTestTone tone(name, static_cast<std::size_t>(seconds * DeviceRate), DeviceRate, Channels);
        Scratch.Write(std::string(1, name) + ".wav", tone.Wave);
        return tone;
    }

    // Waits for seconds more of output, and a quarter second beyond for the
    // mixer's and the driver's buffers; fails if the output stalls.
    void Listen(double seconds) const
    {
        const auto goal = Output->Samples().size() +
                          static_cast<std::size_t>((seconds + 0.25) * DeviceRate * Channels);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Output->Samples().size() < goal && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_GE(Output->Samples().size(), goal) << "the output stalled";
    }

    TScratchFolder Scratch;
    int Opened = 0;
    std::unique_ptr<TDiskOutput> Output;
    std::unique_ptr<TGameSound> Sound;
    int DeviceRate = 44100; // as the player opens the device
    int Channels = 2;
};

// What becomes of an effect that plays on, A, when the player is told this.
TEST_F(TGameSoundPlaybackTest, TheEffectPlaying)
{
    using TCase = std::tuple<const char*, std::function<void(TGameSound&)>, double, const char*>;
    const std::vector<TCase> cases = {
        {"a new one cuts it off without a gap", [](TGameSound& s) { s.Play(1); }, 0.2, "A~ B _"},
        {"Stop", [](TGameSound& s) { s.Stop(); }, 0.2, "A~ _"},
        {"Unload", [](TGameSound& s) { s.Unload(); }, 0.2, "A~ _"},
        {"an empty effect played", [](TGameSound& s) { s.Play(2); }, 0.2, "A~ _"},
        {"loading again", [](TGameSound& s) { s.Load({}); }, 0.2, "A~ _"},
        // The subsystem and the mixer are shared by every player in the
        // process: one player going away must not close them under another.
        {"another player comes and goes",
         [](TGameSound& s) {
             TGameSound().Play(0); // nothing loaded: it only takes and gives back its share
             s.Play(1);
         },
         0.2, "A~ B _"},
        {"disabled",
         [](TGameSound& s) {
             s.Enabled = false;
             s.Play(1);
         },
         LongSeconds, "A _"},
    };
    const TTestTone a = Tone('A', LongSeconds);
    const TTestTone b = Tone('B', 0.2);
    for (const auto& [name, action, seconds, heard] : cases) {
        SCOPED_TRACE(name);
        Sound->Load(
            {Scratch.Folder + "A.wav", Scratch.Folder + "B.wav", Scratch.Write("Empty.wav", "")});
        Sound->Play(0);
        Listen(0);
        action(*Sound);
        Listen(seconds);
        Sound.reset();
        EXPECT_EQ(Output->Heard({&a, &b}), heard);
        Open();
        Listen(0);
    }
}

// While the device opens, effects are dropped, not kept for later; a player
// may go at any moment, which waits for the open, then gives SDL's audio back.
TEST_F(TGameSoundPlaybackTest, WhileTheDeviceOpens)
{
    const TTestTone a = Tone('A', 0.2);
    const TTestTone b = Tone('B', 0.2);
    for (const bool going : {true, false}) {
        std::atomic<bool> ended = false;
        Open([&ended] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            return ended = TGameSound::OpenDevice();
        });
        Sound->Load({Scratch.Folder + "A.wav", Scratch.Folder + "B.wav"});
        Sound->Play(0);
        if (!going) {
            Listen(0); // time enough to hear an effect kept for later
            Sound->Play(1);
            Listen(0.2);
        }
        Sound.reset();
        EXPECT_TRUE(ended);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
        EXPECT_EQ(Output->Heard({&a, &b}), going ? "" : "B _");
    }
}

} // namespace

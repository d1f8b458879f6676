// Which files become playable effects. SDL's "dummy" audio driver opens a
// device that plays nowhere; whether an effect loaded is all these tests ask.

#include "TGameSound.h"
#include "TScratchFolder.h"
#include "TTestTone.h"

#include "Common.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int Rate = 22050;
constexpr std::size_t MiB = std::size_t{1024} * 1024;
constexpr std::size_t WaveHeaderBytes = 44;

// A mono test tone whose WAVE file is exactly fileBytes long.
TTestTone ToneOfFileSize(char name, std::size_t fileBytes)
{
    return {name, (fileBytes - WaveHeaderBytes) / 2, Rate, 1};
}

class TGameSoundLoadTest : public testing::Test {
protected:
    TScratchFolder Scratch;
    std::unique_ptr<TGameSound> Sound;

    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Sound = std::make_unique<TGameSound>();
    }

    std::string WriteTone(char name) const
    {
        return Scratch.Write(std::string(1, name) + ".wav",
                             TTestTone(name, Rate / 10, Rate, 1).Wave());
    }
};

TEST_F(TGameSoundLoadTest, BuiltEffectsAllLoad)
{
    Sound->Load(TGameSound::PathsIn(Common::SoundFolder()));
    for (int id = 0; id < Common::SoundCount; ++id)
        EXPECT_TRUE(Sound->Loaded(id)) << Common::SoundFileNames[id];
}

TEST_F(TGameSoundLoadTest, OtherSpellingsOfCorrisionWavAreNotFound)
{
    for (const char* name : {"Cake.wav", "Stamp.wav", "Gelato.wav", "Back.wav", "GameOver.wav",
                             "Collision.wav", "corrision.wav", "Corrision.WAV"})
        Scratch.Write(name, TTestTone('A', Rate / 10, Rate, 1).Wave());
    Sound->Load(TGameSound::PathsIn(Scratch.Folder()));
    for (int id = 0; id < Common::SoundCount; ++id)
        EXPECT_EQ(Sound->Loaded(id), id != Common::sndCollision) << Common::SoundFileNames[id];
}

// Files of up to 16 MiB are read whole; the limit only turns away what is far
// too large to be an effect.
TEST_F(TGameSoundLoadTest, FileOfSixteenMiBStillLoads)
{
    Sound->Load({Scratch.Write("Large.wav", ToneOfFileSize('A', 16 * MiB).Wave())});
    EXPECT_TRUE(Sound->Loaded(0));
}

struct TBrokenFile {
    const char* Name;
    // Makes the broken file in the folder and returns its path.
    std::function<std::string(const TScratchFolder&)> Make;
};

void PrintTo(const TBrokenFile& file, std::ostream* out)
{
    *out << file.Name;
}

class TGameSoundBrokenFileTest : public TGameSoundLoadTest,
                                 public testing::WithParamInterface<TBrokenFile> {};

TEST_P(TGameSoundBrokenFileTest, LeavesOnlyItsOwnEffectSilent)
{
    Sound->Load({WriteTone('A'), GetParam().Make(Scratch), WriteTone('C')});
    EXPECT_TRUE(Sound->Loaded(0));
    EXPECT_FALSE(Sound->Loaded(1));
    EXPECT_TRUE(Sound->Loaded(2));
    Sound->Play(0);
    Sound->Play(1); // only stops effect 0
    Sound->Stop();
}

std::string Missing(const TScratchFolder& scratch)
{
    return scratch.Folder() + "Missing.wav";
}

std::string Empty(const TScratchFolder& scratch)
{
    return scratch.Write("Empty.wav", "");
}

std::string Text(const TScratchFolder& scratch)
{
    return scratch.Write("Text.wav", "Not a sound at all, only a few words of text.\n");
}

// With a MIDI decoder at hand the mixer would render this tune as an effect.
std::string Midi(const TScratchFolder& scratch)
{
    using namespace std::string_literals;
    const std::string tune = "MThd\0\0\0\6\0\0\0\1\0\x60"
                             "MTrk\0\0\0\x0C\0\x90\x3C\x40\x60\x80\x3C\x40\0\xFF\x2F\0"s;
    return scratch.Write("Midi.wav", tune);
}

std::string RiffOfAnotherKind(const TScratchFolder& scratch)
{
    std::string bytes = TTestTone('B', Rate / 10, Rate, 1).Wave();
    bytes.replace(8, 4, "AVI ");
    return scratch.Write("Video.wav", bytes);
}

std::string WaveWithoutSamples(const TScratchFolder& scratch)
{
    return scratch.Write("Silent.wav", TTestTone('B', 0, Rate, 1).Wave());
}

// A file cut off in the middle: its header promises more samples than follow.
std::string Truncated(const TScratchFolder& scratch)
{
    const std::string bytes = TTestTone('B', Rate / 10, Rate, 1).Wave();
    return scratch.Write("Truncated.wav", bytes.substr(0, bytes.size() / 2));
}

std::string Folder(const TScratchFolder& scratch)
{
    std::string path = scratch.Folder() + "Folder.wav";
    std::filesystem::create_directory(path);
    return path;
}

// A pipe with no writer would block an ordinary open for good.
std::string Pipe(const TScratchFolder& scratch)
{
    std::string path = scratch.Folder() + "Pipe.wav";
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    return path;
}

std::string Oversized(const TScratchFolder& scratch)
{
    return scratch.Write("Huge.wav", ToneOfFileSize('B', 16 * MiB + 2).Wave());
}

INSTANTIATE_TEST_SUITE_P(
    , TGameSoundBrokenFileTest,
    testing::Values(TBrokenFile{"Missing", Missing}, TBrokenFile{"Empty", Empty},
                    TBrokenFile{"Text", Text}, TBrokenFile{"Midi", Midi},
                    TBrokenFile{"RiffOfAnotherKind", RiffOfAnotherKind},
                    TBrokenFile{"WaveWithoutSamples", WaveWithoutSamples},
                    TBrokenFile{"Truncated", Truncated}, TBrokenFile{"Folder", Folder},
                    TBrokenFile{"Pipe", Pipe}, TBrokenFile{"Oversized", Oversized}),
    [](const testing::TestParamInfo<TBrokenFile>& info) { return info.param.Name; });

struct TNoDevice {
    const char* Name;
    std::function<void()> Arrange;
};

void PrintTo(const TNoDevice& noDevice, std::ostream* out)
{
    *out << noDevice.Name;
}

class TGameSoundWithoutDeviceTest : public testing::TestWithParam<TNoDevice> {};

// A machine without sound plays the game silently.
TEST_P(TGameSoundWithoutDeviceTest, LoadsNothingAndPlaysNothing)
{
    GetParam().Arrange();
    TGameSound sound;
    sound.Load(TGameSound::PathsIn(Common::SoundFolder()));
    for (int id = 0; id < Common::SoundCount; ++id)
        EXPECT_FALSE(sound.Loaded(id)) << Common::SoundFileNames[id];
    sound.Play(0);
    sound.Stop();
}

INSTANTIATE_TEST_SUITE_P(
    , TGameSoundWithoutDeviceTest,
    testing::Values(TNoDevice{"NoAudioDriver",
                              [] { setenv("SDL_AUDIODRIVER", "no-such-driver", 1); }},
                    TNoDevice{"DeviceFailsToOpen",
                              [] {
                                  setenv("SDL_AUDIODRIVER", "disk", 1);
                                  setenv("SDL_DISKAUDIOFILE", "/no-such-folder/heard.raw", 1);
                              }}),
    [](const testing::TestParamInfo<TNoDevice>& info) { return info.param.Name; });

} // namespace

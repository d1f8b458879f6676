// What the player plays, heard through SDL's "disk" audio driver: the real
// mixer writes every frame it plays to a file, and the test effects mark
// their samples, so the file tells which effect sounded, in which order, and
// whether it was cut off. The driver writes in real time; the tests wait for
// enough output and assert only its order, never its timing.

#include "TDiskOutput.h"
#include "TGameSound.h"
#include "TScratchFolder.h"
#include "TTestTone.h"

#include "Common.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

// Output written beyond what a test listens for: several mixer buffers, and
// the bytes the driver still holds in its file buffer.
constexpr double ListenMargin = 0.25;
// Far longer than a test takes to react, so that it is still playing when cut.
constexpr double LongSeconds = 5.0;

class TGameSoundPlaybackTest : public testing::Test {
protected:
    TScratchFolder Scratch;
    std::unique_ptr<TDiskOutput> Output =
        std::make_unique<TDiskOutput>(Scratch.Folder() + "heard.raw");
    std::unique_ptr<TGameSound> Sound = std::make_unique<TGameSound>();
    int Rate = 0;
    int Channels = 0;

    void SetUp() override { ExpectDeviceOpen(); }

    void ExpectDeviceOpen()
    {
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&Rate, &format, &Channels), 1) << "the disk driver did not open";
        ASSERT_EQ(format, AUDIO_S16LSB) << "the test tones and the output reader are 16-bit";
    }

    // A test effect in the device's own format, which the mixer plays unchanged.
    TTestTone Tone(char name, double seconds) const
    {
        return {name, static_cast<std::size_t>(seconds * Rate), Rate, Channels};
    }

    // Writes the tones as files and loads them as effects 0, 1, ...
    void LoadTones(const std::vector<const TTestTone*>& tones)
    {
        std::vector<std::string> paths;
        paths.reserve(tones.size());
        for (const TTestTone* tone : tones)
            paths.push_back(Scratch.Write(std::string(1, tone->Name()) + ".wav", tone->Wave()));
        Sound->Load(paths);
    }

    // Waits until seconds more of output are written than so far.
    void Listen(double seconds)
    {
        const double bytes = (seconds + ListenMargin) * Rate * Channels * 2;
        EXPECT_TRUE(Output->WaitFor(Output->Bytes() + static_cast<std::size_t>(bytes)))
            << "the disk output stalled";
    }
    void ListenTo(const TTestTone& tone) { Listen(static_cast<double>(tone.Frames()) / Rate); }

    void WaitUntilHeard(const TTestTone& tone)
    {
        ASSERT_TRUE(Output->WaitUntilHeard(tone)) << tone.Name() << " was never heard";
    }

    // Closes the device, so that all it played is on disk, and tells what was heard.
    std::string Heard(const std::vector<const TTestTone*>& tones)
    {
        Sound.reset();
        return Output->Heard(tones, Channels);
    }
};

TEST_F(TGameSoundPlaybackTest, PlayedEffectIsHeardWhole)
{
    const TTestTone a = Tone('A', 0.2);
    LoadTones({&a});
    Sound->Play(0);
    ListenTo(a);
    EXPECT_EQ(Heard({&a}), "A _");
}

// A pick-up and the end of the game can fall on one tick: the later effect
// is the one heard, with at most a buffer of the earlier before it.
TEST_F(TGameSoundPlaybackTest, LaterEffectOfATickCutsOffTheEarlier)
{
    const TTestTone a = Tone('A', 0.5);
    const TTestTone b = Tone('B', 0.2);
    LoadTones({&a, &b});
    Sound->Play(0);
    Sound->Play(1);
    ListenTo(b);
    const std::string heard = Heard({&a, &b});
    EXPECT_TRUE(heard == "B _" || heard == "A~ B _") << heard;
}

TEST_F(TGameSoundPlaybackTest, NewEffectCutsOffTheOnePlayingWithoutAGap)
{
    const TTestTone a = Tone('A', LongSeconds);
    const TTestTone b = Tone('B', 0.2);
    LoadTones({&a, &b});
    Sound->Play(0);
    WaitUntilHeard(a);
    Sound->Play(1);
    ListenTo(b);
    EXPECT_EQ(Heard({&a, &b}), "A~ B _");
}

TEST_F(TGameSoundPlaybackTest, SwitchedOffNothingStartsAndTheEffectPlayingPlaysOn)
{
    const TTestTone a = Tone('A', 1.0);
    const TTestTone b = Tone('B', 0.2);
    LoadTones({&a, &b});
    Sound->Enabled = false;
    Sound->Play(1);
    Listen(0.2);

    Sound->Enabled = true;
    Sound->Play(0);
    WaitUntilHeard(a);
    Sound->Enabled = false;
    Sound->Play(1);
    ListenTo(a);

    Sound->Enabled = true;
    Sound->Play(1);
    ListenTo(b);
    EXPECT_EQ(Heard({&a, &b}), "A _ B _");
}

TEST_F(TGameSoundPlaybackTest, LoadingAgainStopsTheFirstSetAndPlaysTheSecond)
{
    const TTestTone a = Tone('A', LongSeconds);
    const TTestTone b = Tone('B', 0.2);
    LoadTones({&a});
    Sound->Play(0);
    WaitUntilHeard(a);
    LoadTones({&b});
    Listen(0.1);
    Sound->Play(0);
    ListenTo(b);
    EXPECT_EQ(Heard({&a, &b}), "A~ _ B _");
}

// The name keeps the old misspelling; the file with the right spelling is a decoy.
TEST_F(TGameSoundPlaybackTest, EffectThreeIsTheFileNamedCorrisionWav)
{
    const std::vector<TTestTone> tones = {Tone('A', 0.2), Tone('B', 0.2), Tone('C', 0.2),
                                          Tone('D', 0.2), Tone('E', 0.2), Tone('F', 0.2)};
    const TTestTone decoy = Tone('G', 0.2);
    std::vector<const TTestTone*> all = {&decoy};
    for (int id = 0; id < Common::SoundCount; ++id) {
        Scratch.Write(Common::SoundFileNames[id], tones[id].Wave());
        all.push_back(&tones[id]);
    }
    Scratch.Write("Collision.wav", decoy.Wave());
    Sound->Load(TGameSound::PathsIn(Scratch.Folder()));
    Sound->Play(Common::sndCollision);
    ListenTo(tones[3]);
    EXPECT_EQ(Heard(all), "D _");
}

// The subsystem and the mixer are shared by every player in the process: one
// player going away must not close them under another.
TEST_F(TGameSoundPlaybackTest, SecondPlayerSharesTheDeviceAndLeavesItOpen)
{
    const TTestTone a = Tone('A', 0.2);
    const TTestTone b = Tone('B', 0.2);
    auto second = std::make_unique<TGameSound>();
    second->Load({Scratch.Write("B.wav", b.Wave())});
    LoadTones({&a});
    second->Play(0);
    ListenTo(b);
    second.reset();
    Sound->Play(0);
    ListenTo(a);
    EXPECT_EQ(Heard({&a, &b}), "B _ A _");
}

TEST_F(TGameSoundPlaybackTest, PlayerMadeAfterTheLastOneWentPlaysAgain)
{
    Sound.reset(); // the last player: SDL's audio shuts down entirely
    Output = std::make_unique<TDiskOutput>(Scratch.Folder() + "again.raw");
    Sound = std::make_unique<TGameSound>();
    ExpectDeviceOpen();
    const TTestTone a = Tone('A', 0.2);
    LoadTones({&a});
    Sound->Play(0);
    ListenTo(a);
    EXPECT_EQ(Heard({&a}), "A _");
}

struct TStopCase {
    const char* Name;
    std::function<void(TGameSound&)> Stop;
};

void PrintTo(const TStopCase& stopCase, std::ostream* out)
{
    *out << stopCase.Name;
}

class TGameSoundStopTest : public TGameSoundPlaybackTest,
                           public testing::WithParamInterface<TStopCase> {};

TEST_P(TGameSoundStopTest, EffectPlayingFallsSilent)
{
    const TTestTone a = Tone('A', LongSeconds);
    Sound->Load({Scratch.Write("A.wav", a.Wave()), Scratch.Write("Empty.wav", "")});
    Sound->Play(0);
    WaitUntilHeard(a);
    GetParam().Stop(*Sound);
    Listen(0.2);
    EXPECT_EQ(Heard({&a}), "A~ _");
}

INSTANTIATE_TEST_SUITE_P(
    , TGameSoundStopTest,
    testing::Values(TStopCase{"Stop", [](TGameSound& sound) { sound.Stop(); }},
                    TStopCase{"Unload", [](TGameSound& sound) { sound.Unload(); }},
                    TStopCase{"PlayingAnEmptyEffect", [](TGameSound& sound) { sound.Play(1); }}),
    [](const testing::TestParamInfo<TStopCase>& info) { return info.param.Name; });

} // namespace

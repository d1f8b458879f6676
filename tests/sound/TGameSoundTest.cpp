// The sound player, heard where it plays: through a private sound server, whose null sink's
// monitor is recorded, and through a card, for which SDL's "disk" driver writes every sample it
// plays to a file. Which files load needs no ear.

#include "TGameSound.h"
#include "Common.h"
#include "TGamePulseOutput.h"
#include "TPulseServer.h"
#include "TRecordedOutput.h"
#include "TScratchFolder.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <pulse/thread-mainloop.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <future>
#include <optional>
#include <random>

// The seam: where SlowWaits holds, the sound server's loop waits only after
// a while, with the loop locked, so that a wake-up that does not wait for
// the lock falls into the gap between a waiter's look and its wait.
std::atomic<bool> SlowWaits = false;

extern "C" void pa_threaded_mainloop_wait(pa_threaded_mainloop* loop)
{
    static const auto wait = reinterpret_cast<void (*)(pa_threaded_mainloop*)>(
        dlsym(RTLD_NEXT, "pa_threaded_mainloop_wait"));
    if (SlowWaits)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    wait(loop);
}

namespace {

using namespace std::string_literals;
constexpr int Rate = TGameSoundOutput::Rate;
constexpr std::size_t MiB = std::size_t{1024} * 1024;
// Far longer than a test takes to react, so that it is still playing when cut.
constexpr double LongSeconds = 5.0;

// The game's effects are found by their names, the collision's keeping its
// old misspelling. Only PCM WAVE files with samples become effects, in the
// outputs' format: any other file leaves its own effect silent and no other.
TEST(TGameSoundTest, LoadsOnlyWaveFilesWithSamples)
{
    const TScratchFolder scratch;
    setenv("PULSE_SERVER", "unix:/dev/null", 1); // no server there: the card's "dummy" driver
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    TGameSound sound;
    const std::string tone = TTestTone('B', Rate / 10, Rate, 1).Wave;
    for (const char* name : {"Cake.wav", "Stamp.wav", "Gelato.wav", "Back.wav", "GameOver.wav",
                             "Collision.wav", "corrision.wav", "Corrision.WAV"})
        scratch.Write(name, tone);
    sound.Load(TGameSound::PathsIn(scratch.Folder));
    for (int id = 0; id < Common::SoundCount; ++id)
        EXPECT_EQ(sound.Loaded(id), id != Common::sndCollision) << Common::SoundFileNames[id];

    // Many editors write a chunk of odd size before the samples, then a pad byte.
    const std::string listed = tone.substr(0, 36) + "LIST\3\0\0\0abc\0"s + tone.substr(36);
    std::string eightBit = TTestTone('C', Rate, 2 * Rate, 2).Wave.substr(0, 44 + 4 * Rate);
    eightBit.replace(34, 1, "\x08"); // 8-bit stereo at twice the rate: a second of frames
    const std::vector<std::tuple<const char*, std::string, std::size_t>> files = {
        {"Good.wav", tone, Rate / 10},
        {"Listed.wav", listed, Rate / 10},
        {"EightBit.wav", eightBit, Rate},
        {"Largest.wav", TTestTone('C', (16 * MiB - 44) / 2, Rate, 1).Wave, (16 * MiB - 44) / 2},
        {"Huge.wav", TTestTone('C', (16 * MiB + 2 - 44) / 2, Rate, 1).Wave,
         (16 * MiB + 2 - 44) / 2},
        {"Empty.wav", "", 0},
        {"Text.wav", "Not a sound at all, only a few words of text.\n", 0},
        {"Video.wav", tone.substr(0, 8) + "AVI " + tone.substr(12), 0},
        {"Float.wav", tone.substr(0, 20) + "\3" + tone.substr(21), 0},
        {"Silent.wav", TTestTone('B', 0, Rate, 1).Wave, 0},
        {"Truncated.wav", tone.substr(0, tone.size() / 2), 0}, // the header promises more
    };
    std::vector<std::string> paths;
    for (const auto& [name, bytes, frames] : files) {
        paths.push_back(scratch.Write(name, bytes));
        EXPECT_EQ(TGameSound::Decode({bytes.begin(), bytes.end()}).size(), frames) << name;
    }
    // No files to read: missing, a folder, and a pipe with no writer, which
    // would block an ordinary open for good.
    paths.push_back(scratch.Folder + "Missing.wav");
    std::filesystem::create_directory(paths.emplace_back(scratch.Folder + "Folder.wav"));
    ASSERT_EQ(mkfifo(paths.emplace_back(scratch.Folder + "Pipe.wav").c_str(), 0600), 0);
    sound.Load(paths);
    for (int i = 0; i < static_cast<int>(paths.size()); ++i) {
        EXPECT_EQ(sound.Loaded(i), i < 4) << paths[i]; // only files up to 16 MiB are read
        sound.Play(i);
    }
}

// A player on a sound server or a card, either of which plays in real time:
// the tests wait for enough output and assert only what is heard, never when.
class TGameSoundPlaybackTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam())
            Server = std::make_unique<TPulseServer>(Scratch.Folder + "pulse/");
        if (Server && !Server->Running())
            GTEST_SKIP() << "no PulseAudio server to play through (package pulseaudio)";
        setenv("PULSE_SERVER", Server ? Server->Address().c_str() : "unix:/dev/null", 1);
        if (!Server)
            setenv("SDL_AUDIODRIVER", "disk", 1);
        Open();
    }

    // A new recording and a new player, heard once its output has opened.
    void Open()
    {
        Sound.reset();
        Output.emplace(TRecordedOutput{Scratch.Folder + std::to_string(++Opened) + ".raw"});
        Server ? Server->Record(Output->Path)
               : (void)setenv("SDL_DISKAUDIOFILE", Output->Path.c_str(), 1);
        std::promise<void> opened;
        Sound = std::make_unique<TGameSound>([&opened](const std::stop_token& stop) {
            auto output = TGameSound::OpenOutput(stop);
            opened.set_value();
            return output;
        });
        opened.get_future().wait();
        Listen(0);
    }

    // In the outputs' own format, which plays unchanged; as name.wav.
    TTestTone Tone(char name, double seconds) const
    {
        TTestTone tone(name, static_cast<std::size_t>(seconds * Rate), Rate, 1);
        Scratch.Write(std::string(1, name) + ".wav", tone.Wave);
        return tone;
    }

    // Waits for seconds more of output, and a quarter second beyond for the
    // outputs' buffers; fails if the output stalls.
    void Listen(double seconds) const
    {
        const auto goal =
            Output->Samples().size() + static_cast<std::size_t>((seconds + 0.25) * Rate);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Output->Samples().size() < goal && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_GE(Output->Samples().size(), goal) << "the output stalled";
    }

    TScratchFolder Scratch;
    std::unique_ptr<TPulseServer> Server;
    int Opened = 0;
    std::optional<TRecordedOutput> Output;
    std::unique_ptr<TGameSound> Sound;
};

// What becomes of an effect that plays on, A, when the player is told this.
TEST_P(TGameSoundPlaybackTest, TheEffectPlaying)
{
    using TCase = std::tuple<const char*, std::function<void(TGameSound&)>, double, const char*>;
    const std::vector<TCase> cases = {
        {"a new one cuts it off without a gap", [](TGameSound& s) { s.Play(1); }, 0.2, "A~ B _"},
        {"Stop", [](TGameSound& s) { s.Stop(); }, 0.2, "A~ _"},
        {"Unload", [](TGameSound& s) { s.Unload(); }, 0.2, "A~ _"},
        {"an empty effect played", [](TGameSound& s) { s.Play(2); }, 0.2, "A~ _"},
        {"loading again", [](TGameSound& s) { s.Load({}); }, 0.2, "A~ _"},
        {"idle", [](TGameSound& s) { s.SetIdle(true); }, 0.2, "A~ _"},
        {"idle, then a game starts",
         [](TGameSound& s) { s.SetIdle(true), s.SetIdle(false), s.Play(1); }, 0.2, "A~ B _"},
        // SDL's audio is shared by every player in the process, the server
        // by every program: one player going away must not close another's.
        {"another player comes and goes",
         [](TGameSound& s) {
             TGameSound().Play(0); // nothing loaded: it only opens and closes its output
             s.Play(1);
         },
         0.2, "A~ B _"},
        {"disabled", [](TGameSound& s) { s.Enabled = false, s.Play(1); }, LongSeconds, "A _"},
    };
    const TTestTone a = Tone('A', LongSeconds), b = Tone('B', 0.2);
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
    }
}

// The output opens on a thread of the player's; while it opens, effects are
// dropped, not kept for later; a player may go at any moment, which asks
// the open to give up and waits for it. Once open, it may lose its server.
TEST_P(TGameSoundPlaybackTest, WhileTheOutputOpensAndOnceItHasOpened)
{
    const TTestTone a = Tone('A', 0.2), b = Tone('B', 0.2);
    for (const bool going : {true, false}) {
        std::atomic<bool> ended = false;
        std::thread::id opener;
        Sound = std::make_unique<TGameSound>([&](const std::stop_token& stop) {
            opener = std::this_thread::get_id();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            auto output = TGameSound::OpenOutput(stop);
            ended = true;
            return output;
        });
        Sound->Load({Scratch.Folder + "A.wav", Scratch.Folder + "B.wav"});
        Sound->Play(0);
        if (!going) {
            Listen(0.3); // time enough to open, and to hear an effect kept for later
            Sound->Play(1);
            Listen(0.2);
        }
        Sound.reset();
        EXPECT_TRUE(ended);
        EXPECT_NE(opener, std::this_thread::get_id());
        EXPECT_EQ(Output->Heard({&a, &b}), going ? "" : "B _");
        Open();
    }
    // A server that goes away leaves the player silent, and nothing waits for it.
    Tone('A', LongSeconds);
    Sound->Load({Scratch.Folder + "A.wav"});
    Sound->Play(0);
    Server.reset(); // a no-op for the card
    Sound->SetIdle(true);
    Sound->SetIdle(false);
    Sound->Play(0);
}

// Whether action returns within seconds; one that hangs is left to hang.
bool EndsWithin(int seconds, std::function<void()> action)
{
    std::packaged_task<void()> task(std::move(action));
    const std::future<void> ended = task.get_future();
    std::thread(std::move(task)).detach();
    return ended.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
}

// Neither a server that takes the connection and never answers, nor a machine with no server and
// no card at all, holds up the player's end: the open gives up at once, however the stop falls
// between its look at the stop and its wait (the seam above widens that gap). Nor does the card's
// library fill the terminal with its errors.
TEST(TGameSoundTest, GoesAtOnceWhateverTheSetUp)
{
    const TScratchFolder scratch;
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    (scratch.Folder + "silent").copy(address.sun_path, sizeof address.sun_path - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 512), 0);
    setenv("PULSE_SERVER", ("unix:"s + address.sun_path).c_str(), 1);
    std::mt19937 random(7);
    SlowWaits = true;
    for (int stop = 0; stop < 300; ++stop) {
        const auto delay = std::chrono::microseconds(random() % 3000);
        const auto openThenStop = [delay] {
            const std::jthread opener(TGamePulseOutput::Open); // going, it asks the open to stop
            std::this_thread::sleep_for(delay);
        };
        ASSERT_TRUE(EndsWithin(10, openThenStop)) << "hangs, stopped " << delay.count() << " us in";
    }
    SlowWaits = false;
    close(listener);

    // No server, and a card library that finds no card (ALSA's, unless
    // SDL_AUDIODRIVER names another driver, which no player sets).
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    unsetenv("SDL_AUDIODRIVER");
    setenv("ALSA_CONFIG_PATH", scratch.Write("alsa.conf", "").c_str(), 1);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(EndsWithin(10, [] { EXPECT_EQ(TGameSound::OpenOutput({}), nullptr); }))
        << "the open without a server or card hangs";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    unsetenv("ALSA_CONFIG_PATH");
}

INSTANTIATE_TEST_SUITE_P(Outputs, TGameSoundPlaybackTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Server"s : "Card"s; });

} // namespace

// How soon an effect is heard: from the play call to the first frame that
// is not silent on the sound server's monitor of the sink the game plays to
// (the recording's own delivery included, so an upper bound). Plays the
// effect through the game's player with the stream awake, as in a game,
// every 300 to 700 ms.
// Usage: tolm-sound-latency EFFECT.wav MONITOR [PLAYS]   (PULSE_SERVER names the server)
// Prints "latency_ms MEDIAN P99 PLAYS".

#include "TGameSound.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using TSteady = std::chrono::steady_clock;
// Small fragments, so that a frame's arrival tells when it was played.
constexpr std::size_t FragmentFrames = 44; // 2 ms

// Reads the monitor until told to stop; when armed, notes the time of the
// first frame that is not silent and disarms.
void Listen(pa_simple* recording, std::atomic<bool>& armed, std::atomic<bool>& stop,
            std::atomic<TSteady::rep>& heard)
{
    std::vector<std::int16_t> fragment(FragmentFrames);
    int error = 0;
    while (!stop && pa_simple_read(recording, fragment.data(), fragment.size() * 2, &error) == 0) {
        const auto arrived = TSteady::now();
        const auto loud = std::ranges::find_if(fragment, [](std::int16_t s) { return s != 0; });
        if (!armed || loud == fragment.end())
            continue;
        // The frames after the first loud one took their time to be played.
        const auto after = std::chrono::microseconds((fragment.end() - loud) * 1000000 /
                                                     TGameSoundOutput::Rate);
        heard = (arrived - after).time_since_epoch().count();
        armed = false;
    }
}

double Percentile(std::vector<double> values, double share)
{
    std::ranges::sort(values);
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const int plays = argc > 3 ? std::stoi(argv[3]) : 100;
    const pa_sample_spec format{PA_SAMPLE_S16NE, TGameSoundOutput::Rate, 1};
    constexpr auto any = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr attributes{any, any, any, any, FragmentFrames * 2};
    int error = 0;
    pa_simple* recording = pa_simple_new(nullptr, "tolm-sound-latency", PA_STREAM_RECORD, argv[2],
                                         "monitor", &format, nullptr, &attributes, &error);
    if (recording == nullptr) {
        std::fprintf(stderr, "no monitor %s: %s\n", argv[2], pa_strerror(error));
        return 1;
    }
    TGameSound sound;
    sound.Load({argv[1]});
    std::this_thread::sleep_for(std::chrono::seconds(1)); // the stream connects
    std::atomic<bool> armed = false;
    std::atomic<bool> stop = false;
    std::atomic<TSteady::rep> heard = 0;
    std::thread listener(Listen, recording, std::ref(armed), std::ref(stop), std::ref(heard));
    std::mt19937 random(7);
    std::vector<double> latencies;
    for (int i = 0; i < plays; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + random() % 400));
        heard = 0;
        armed = true;
        const auto played = TSteady::now();
        sound.Play(0);
        for (int wait = 0; wait < 500 && armed; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!armed)
            latencies.push_back(
                std::chrono::duration<double, std::milli>(TSteady::duration(heard.load()) -
                                                          played.time_since_epoch())
                    .count());
        armed = false;
    }
    stop = true;
    listener.join();
    pa_simple_free(recording);
    if (latencies.empty())
        return 1;
    std::printf("latency_ms %.1f %.1f %zu\n", Percentile(latencies, 0.5), Percentile(latencies, 0.99),
                latencies.size());
}

#pragma once
// The effects through the desktop's sound server (PulseAudio, or PipeWire's
// pulse server), on one playback stream served by a main-loop thread of its
// own. The stream stays open for the whole run and costs nothing while it
// is empty: the server neither plays nor asks for more until the game writes.
// A server that goes away leaves the output silent; nothing here waits for it.

#include "TGameSoundOutput.h"

#include <memory>
#include <stop_token>

struct pa_context;
struct pa_io_event;
struct pa_stream;
struct pa_threaded_mainloop;

class TGamePulseOutput : public TGameSoundOutput {
public:
    // Connects to the server the environment names, never starting one, and
    // sets up the stream; null where no server answers or once stop is
    // requested, which ends the wait at once. Blocks: call it off the GUI
    // thread.
    static std::unique_ptr<TGamePulseOutput> Open(const std::stop_token& stop);
    ~TGamePulseOutput() override;
    TGamePulseOutput(const TGamePulseOutput&) = delete;
    TGamePulseOutput& operator=(const TGamePulseOutput&) = delete;

    void Start(std::span<const std::int16_t> samples) override;
    void Stop() override;
    // Corks the stream while idle: an uncorked stream, even an empty one,
    // keeps the server's sink from suspending.
    void SetIdle(bool idle) override;

private:
    TGamePulseOutput();
    // With the loop locked: lets a stop request wake the loop's waiters.
    bool HearStops();
    bool Connect(const std::stop_token& stop);
    bool ConnectStream(const std::stop_token& stop);
    // With the loop locked: waits until ready() or failed() holds, or stop is
    // requested; true when ready() held.
    template <typename TReady, typename TFailed>
    bool WaitUntil(const std::stop_token& stop, TReady ready, TFailed failed);
    // With the loop locked: whether the stream takes samples.
    bool Playable() const;

    pa_threaded_mainloop* Loop = nullptr;
    pa_context* Context = nullptr;
    pa_stream* Stream = nullptr;
    // A stop request is written here and heard by the loop's thread, which
    // wakes the waiter with the loop locked: a wake-up from the requesting
    // thread could fall between the waiter's look at the stop and its wait.
    int StopFd = -1;
    pa_io_event* StopHeard = nullptr;
};

#include "TGamePulseOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// The server asks a stream for more when its buffer falls short of the
// target length by the minimum request, and not while the stream is stopped
// for want of samples. 120 ms of target with 50 ms requests let it sleep
// through an effect in a few requests; shorter targets cost the game and the
// server a wake-up every few milliseconds, though only while something plays.
constexpr pa_usec_t TargetLength = 120 * PA_USEC_PER_MSEC;
constexpr pa_usec_t MinimumRequest = 50 * PA_USEC_PER_MSEC;

const pa_sample_spec Format = {PA_SAMPLE_S16NE, TGameSoundOutput::Rate, 1};

// Whatever the server tells the loop, a waiting thread looks again.
void Wake(void* loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

// A stop was requested: taken in, so that the loop does not call again.
void StopRequested(pa_mainloop_api* /*api*/, pa_io_event* /*event*/, int fd,
                   pa_io_event_flags_t /*events*/, void* loop)
{
    eventfd_t count = 0;
    eventfd_read(fd, &count);
    Wake(loop);
}

void ContextChanged(pa_context* /*context*/, void* loop)
{
    Wake(loop);
}
void StreamChanged(pa_stream* /*stream*/, void* loop)
{
    Wake(loop);
}

// What a mixer shows for the game, and where it finds its icon.
pa_proplist* Describe()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tolm Game");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, TOLM_APP_ID);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, TOLM_APP_ID);
    return properties;
}

// The lock of a threaded main loop, as a scope.
class TLoopLock {
public:
    explicit TLoopLock(pa_threaded_mainloop* loop) : Loop(loop) { pa_threaded_mainloop_lock(Loop); }
    ~TLoopLock() { pa_threaded_mainloop_unlock(Loop); }
    TLoopLock(const TLoopLock&) = delete;
    TLoopLock& operator=(const TLoopLock&) = delete;

private:
    pa_threaded_mainloop* Loop;
};

void Forget(pa_operation* operation)
{
    if (operation != nullptr)
        pa_operation_unref(operation);
}

} // namespace

// The stop's file comes before the loop's thread, which reads it.
TGamePulseOutput::TGamePulseOutput()
    : Loop(pa_threaded_mainloop_new()), StopFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

TGamePulseOutput::~TGamePulseOutput()
{
    if (Loop == nullptr)
        return;
    {
        // Disconnecting only tells the server: the exit never waits for it.
        const TLoopLock locked(Loop);
        if (Stream != nullptr) {
            pa_stream_disconnect(Stream);
            pa_stream_unref(Stream);
        }
        if (Context != nullptr) {
            pa_context_disconnect(Context);
            pa_context_unref(Context);
        }
        if (StopHeard != nullptr)
            pa_threaded_mainloop_get_api(Loop)->io_free(StopHeard);
    }
    pa_threaded_mainloop_stop(Loop);
    pa_threaded_mainloop_free(Loop);
    if (StopFd >= 0)
        close(StopFd);
}

std::unique_ptr<TGamePulseOutput> TGamePulseOutput::Open(const std::stop_token& stop)
{
    std::unique_ptr<TGamePulseOutput> output(new TGamePulseOutput());
    if (output->Loop == nullptr || pa_threaded_mainloop_start(output->Loop) < 0 ||
        !output->Connect(stop))
        return nullptr;
    return output;
}

bool TGamePulseOutput::HearStops()
{
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(Loop);
    StopHeard =
        StopFd < 0 ? nullptr : api->io_new(api, StopFd, PA_IO_EVENT_INPUT, StopRequested, Loop);
    return StopHeard != nullptr;
}

bool TGamePulseOutput::Connect(const std::stop_token& stop)
{
    const TLoopLock locked(Loop);
    if (!HearStops())
        return false;
    pa_proplist* properties = Describe();
    Context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(Loop), nullptr, properties);
    pa_proplist_free(properties);
    if (Context == nullptr)
        return false;
    pa_context_set_state_callback(Context, ContextChanged, Loop);
    // Without a server the game plays through the card; it never starts one.
    if (pa_context_connect(Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    const bool connected = WaitUntil(
        stop, [this] { return pa_context_get_state(Context) == PA_CONTEXT_READY; },
        [this] { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(Context)); });
    return connected && ConnectStream(stop);
}

bool TGamePulseOutput::ConnectStream(const std::stop_token& stop)
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, "Sound effects");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    Stream = pa_stream_new_with_proplist(Context, "Sound effects", &Format, nullptr, properties);
    pa_proplist_free(properties);
    if (Stream == nullptr)
        return false;
    pa_stream_set_state_callback(Stream, StreamChanged, Loop);
    // The prebuffer stays the target length, so that a stream that has run
    // dry stops until the next effect, which starts it at once (Start).
    const pa_buffer_attr attributes = {
        .maxlength = static_cast<std::uint32_t>(-1),
        .tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(TargetLength, &Format)),
        .prebuf = static_cast<std::uint32_t>(-1),
        .minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(MinimumRequest, &Format)),
        .fragsize = static_cast<std::uint32_t>(-1)};
    if (pa_stream_connect_playback(Stream, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        return false;
    return WaitUntil(
        stop, [this] { return pa_stream_get_state(Stream) == PA_STREAM_READY; },
        [this] { return !PA_STREAM_IS_GOOD(pa_stream_get_state(Stream)); });
}

template <typename TReady, typename TFailed>
bool TGamePulseOutput::WaitUntil(const std::stop_token& stop, TReady ready, TFailed failed)
{
    // The callback may run on this thread too, when the stop was requested
    // before; either way the loop's thread wakes the wait, and only once
    // this thread waits and so lets go of the loop's lock.
    const std::stop_callback wake(stop, [this] { eventfd_write(StopFd, 1); });
    while (!ready() && !failed() && !stop.stop_requested())
        pa_threaded_mainloop_wait(Loop);
    return ready() && !stop.stop_requested();
}

bool TGamePulseOutput::Playable() const
{
    return pa_context_get_state(Context) == PA_CONTEXT_READY &&
           pa_stream_get_state(Stream) == PA_STREAM_READY;
}

void TGamePulseOutput::Start(std::span<const std::int16_t> samples)
{
    const TLoopLock locked(Loop);
    if (!Playable())
        return;
    // Flush, write and trigger go to the server in this order and are
    // answered on the loop's thread, which nobody here waits for. The
    // whole effect goes at once, so that it plays to its end with the game
    // doing nothing more; a file too long for the server's buffer is cut
    // at its length.
    Forget(pa_stream_flush(Stream, nullptr, nullptr));
    const std::size_t bytes =
        std::min<std::size_t>(samples.size_bytes(), pa_stream_get_buffer_attr(Stream)->maxlength);
    if (bytes > 0 &&
        pa_stream_write(Stream, samples.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE) == 0)
        Forget(pa_stream_trigger(Stream, nullptr, nullptr)); // shorter than the prebuffer, too
}

void TGamePulseOutput::Stop()
{
    const TLoopLock locked(Loop);
    if (Playable())
        Forget(pa_stream_flush(Stream, nullptr, nullptr));
}

void TGamePulseOutput::SetIdle(bool idle)
{
    const TLoopLock locked(Loop);
    if (!Playable())
        return;
    if (idle)
        Forget(pa_stream_flush(Stream, nullptr, nullptr));
    Forget(pa_stream_cork(Stream, idle ? 1 : 0, nullptr, nullptr));
}

#pragma once
// The hand-over of calls from worker threads to the GUI thread: a worker
// waits while the GUI thread runs its call, so game data is only ever
// touched by the GUI thread and needs no locks. The GUI thread is the one
// that serves the calls; this class knows no toolkit, so a shell tells its
// event loop about waiting calls by overriding PostWakeUp.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

class TGameSynchronizer {
public:
    TGameSynchronizer() = default;
    virtual ~TGameSynchronizer() = default;
    TGameSynchronizer(const TGameSynchronizer&) = delete;
    TGameSynchronizer& operator=(const TGameSynchronizer&) = delete;

    // From a worker thread: has call run on the GUI thread and returns once it
    // has returned. A failure of the call is raised again here.
    void Synchronize(const std::function<void()>& call);

    // On the GUI thread: runs the calls handed over so far, oldest first.
    void RunPending();
    // On the GUI thread: runs calls as they are handed over until ended()
    // holds. Whatever makes ended() true calls Wake afterwards.
    void ServeUntil(const std::function<bool()>& ended);
    // From any thread: has ServeUntil look at its condition again.
    void Wake();

protected:
    // Called on the worker thread once a call waits, so that the GUI thread's
    // event loop comes round to RunPending. Without it, calls are run only by
    // ServeUntil and explicit RunPending.
    virtual void PostWakeUp() {}

private:
    // Lives on the stack of the worker that waits for it.
    struct TPendingCall {
        explicit TPendingCall(const std::function<void()>& call) : Call(call) {}
        const std::function<void()>& Call;
        std::exception_ptr Failure;
        bool Done = false;
    };

    // Holds the lock on entry and on return; drops it around each call so the
    // call may hand over or serve in turn.
    void RunQueued(std::unique_lock<std::mutex>& lock);

    std::mutex Mutex;
    std::condition_variable Changed;
    std::deque<TPendingCall*> Pending;
};

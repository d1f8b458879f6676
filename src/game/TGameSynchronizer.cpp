#include "TGameSynchronizer.h"

void TGameSynchronizer::Synchronize(const std::function<void()>& call)
{
    TPendingCall pending(call);
    {
        const std::lock_guard lock(Mutex);
        Pending.push_back(&pending);
    }
    Changed.notify_all();
    PostWakeUp();

    std::unique_lock lock(Mutex);
    Changed.wait(lock, [&pending] { return pending.Done; });
    if (pending.Failure)
        std::rethrow_exception(pending.Failure);
}

void TGameSynchronizer::RunPending()
{
    std::unique_lock lock(Mutex);
    RunQueued(lock);
}

void TGameSynchronizer::ServeUntil(const std::function<bool()>& ended)
{
    std::unique_lock lock(Mutex);
    for (;;) {
        // Calls first: a worker blocked in a hand-over cannot end before its
        // call has run.
        RunQueued(lock);
        if (ended())
            return;
        Changed.wait(lock);
    }
}

void TGameSynchronizer::Wake()
{
    const std::lock_guard lock(Mutex);
    Changed.notify_all();
}

void TGameSynchronizer::RunQueued(std::unique_lock<std::mutex>& lock)
{
    while (!Pending.empty()) {
        TPendingCall& pending = *Pending.front();
        Pending.pop_front();
        lock.unlock();
        try {
            pending.Call();
        } catch (...) {
            pending.Failure = std::current_exception();
        }
        lock.lock();
        // Once Done is seen the worker returns and its record is gone, so it is
        // not touched after the lock is dropped.
        pending.Done = true;
        Changed.notify_all();
    }
}

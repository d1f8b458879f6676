#pragma once
// A worker thread with a body of its own: created suspended, started by
// Resume, asked to stop by Terminate, and waited for by WaitFor, which keeps
// serving the thread's hand-overs so that a body blocked in one can end. The
// object outlives its body; the owner deletes it.

#include <atomic>
#include <functional>
#include <thread>

class TGameSynchronizer;

class TGameThread {
public:
    // If the body has not ended: Terminate, Resume and WaitFor. On the GUI
    // thread.
    virtual ~TGameThread();
    TGameThread(const TGameThread&) = delete;
    TGameThread& operator=(const TGameThread&) = delete;

    // Starts the body; later calls do nothing. The body is skipped when
    // Terminate came first.
    void Resume();
    // Sets Terminated; the body ends when it next looks.
    void Terminate();
    // Returns once the body has ended, running hand-overs meanwhile. On the
    // GUI thread, after Resume.
    void WaitFor();

protected:
    // The thread starts suspended. synchronizer hands calls to the GUI thread
    // and must outlive this object. Throws std::system_error when the system
    // cannot start a thread.
    explicit TGameThread(TGameSynchronizer& synchronizer);

    // The body. A failure must not escape: this thread has nobody to tell.
    virtual void Execute() = 0;
    bool Terminated() const { return TerminatedFlag; }
    // From the body: runs call on the GUI thread, blocked until it returns; a
    // failure of the call is raised here.
    void Synchronize(const std::function<void()>& call);
    // Ends the body as the destructor does. A class whose body uses its own
    // members calls this first in its destructor, since those members are
    // gone before this base's destructor runs.
    void Stop();

private:
    void Run();

    TGameSynchronizer& Synchronizer;
    std::atomic<bool> Resumed = false;
    std::atomic<bool> TerminatedFlag = false;
    std::atomic<bool> Ended = false;
    // Last, so the thread starts only once the flags it reads exist.
    std::thread Worker;
};

#include "TGameThread.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

#include <semaphore>
#include <thread>

namespace {

// A thread whose body the test gives, on a synchronizer that lets the test
// wait until a call waits for the GUI thread.
class TTestThread : public TGameSynchronizer, public TGameThread {
public:
    explicit TTestThread(std::function<void(TTestThread&)> body)
        : TGameThread(static_cast<TGameSynchronizer&>(*this)), Body(std::move(body))
    {
    }
    ~TTestThread() override { Stop(); }

    void AwaitCall() { Posted.acquire(); }
    using TGameThread::Synchronize;
    using TGameThread::Terminated;

protected:
    void Execute() override { Body(*this); }
    void PostWakeUp() override { Posted.release(); }

private:
    std::counting_semaphore<> Posted{0};
    const std::function<void(TTestThread&)> Body;
};

TEST(TGameThreadTest, TheBodyRunsOnceResumedAndNotIfTerminatedFirst)
{
    int runs = 0;
    {
        const TTestThread neverResumed([&](TTestThread&) { ++runs; });
    }
    EXPECT_EQ(runs, 0);
    TTestThread thread([&](TTestThread&) { ++runs; });
    thread.Resume();
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(runs, 1);
}

// Deleting a thread whose body is blocked in a hand-over, as the game view
// does: the call runs on the GUI thread during the wait, the body is told to
// end, and the deletion returns once it has.
TEST(TGameThreadTest, DeletingAThreadBlockedInAHandOverRunsTheCallAndWaits)
{
    std::thread::id ranOn;
    bool ended = false;
    {
        TTestThread thread([&](TTestThread& self) {
            self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
            while (!self.Terminated())
                std::this_thread::yield();
            ended = true;
        });
        thread.Resume();
        thread.AwaitCall();
    }
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(ended);
}

} // namespace

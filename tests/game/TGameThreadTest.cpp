#include "TGameThread.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <semaphore>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

namespace {

// A thread whose body the test gives.
class TTestThread : public TGameThread {
public:
    TTestThread(TGameSynchronizer& synchronizer, std::function<void(TTestThread&)> body)
        : TGameThread(synchronizer), Body(std::move(body))
    {
    }
    ~TTestThread() override { Stop(); }
    TTestThread(const TTestThread&) = delete;
    TTestThread& operator=(const TTestThread&) = delete;

    using TGameThread::Synchronize;
    using TGameThread::Terminated;

protected:
    void Execute() override { Body(*this); }

private:
    const std::function<void(TTestThread&)> Body;
};

// Lets the test wait until a call waits for the GUI thread.
class TWatchedSynchronizer : public TGameSynchronizer {
public:
    void AwaitCall() { Posted.acquire(); }

protected:
    void PostWakeUp() override { Posted.release(); }

private:
    std::counting_semaphore<> Posted{0};
};

TEST(TGameThreadTest, TheBodyRunsOnceResumedAndNotIfTerminatedFirst)
{
    TGameSynchronizer synchronizer;
    int runs = 0;
    {
        const TTestThread neverResumed(synchronizer, [&](TTestThread&) { ++runs; });
    }
    EXPECT_EQ(runs, 0);

    TTestThread thread(synchronizer, [&](TTestThread&) { ++runs; });
    thread.Resume();
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(runs, 1);
}

TEST(TGameThreadTest, DeletingARunningThreadTerminatesItAndWaitsForItsEnd)
{
    TGameSynchronizer synchronizer;
    std::binary_semaphore started{0};
    bool ended = false;
    {
        TTestThread thread(synchronizer, [&](TTestThread& self) {
            started.release();
            while (!self.Terminated())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ended = true;
        });
        thread.Resume();
        started.acquire();
    }
    EXPECT_TRUE(ended);
}

// The GUI thread stops a worker that is blocked in a hand-over: the call runs
// on the GUI thread during the wait, and the wait returns.
TEST(TGameThreadTest, WaitForRunsTheHandOverThatIsPending)
{
    TWatchedSynchronizer synchronizer;
    std::thread::id ranOn;
    bool returned = false;
    TTestThread thread(synchronizer, [&](TTestThread& self) {
        self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
        returned = true;
    });
    thread.Resume();
    synchronizer.AwaitCall();
    thread.Terminate();
    thread.WaitFor();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(returned);
}

TEST(TGameThreadTest, AFailureOfAHandedOverCallIsRaisedInTheWorkerNotTheGuiThread)
{
    TGameSynchronizer synchronizer;
    std::string caught;
    TTestThread thread(synchronizer, [&](TTestThread& self) {
        try {
            self.Synchronize([] { throw std::runtime_error("tick failed"); });
        } catch (const std::runtime_error& failure) {
            caught = failure.what();
        }
    });
    thread.Resume();
    EXPECT_NO_THROW(thread.WaitFor());
    EXPECT_EQ(caught, "tick failed");
}

} // namespace

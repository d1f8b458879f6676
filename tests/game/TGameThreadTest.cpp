#include "TGameThread.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

namespace {

class TTestThread : public TGameSynchronizer, public TGameThread {
public:
    explicit TTestThread(std::function<void()> body)
        : TGameThread(static_cast<TGameSynchronizer&>(*this)), Body(std::move(body))
    {
    }
    ~TTestThread() override { Stop(); }

protected:
    void Execute() override { Body(); }

private:
    const std::function<void()> Body;
};

// A thread stopped while its body waits in a hand-over is the Qt
// synchronizer's test, whose timer is such a thread, as in the game.
TEST(TGameThreadTest, TheBodyRunsOnceResumedAndNotIfTerminatedFirst)
{
    int runs = 0;
    {
        const TTestThread neverResumed([&] { ++runs; });
    }
    EXPECT_EQ(runs, 0);
    TTestThread thread([&] { ++runs; });
    thread.Resume();
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(runs, 1);
}

} // namespace

#include "TGameTimer.h"
#include "TFakeClock.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t Interval = 100;
using TTicks = std::vector<std::uint32_t>;

enum : int { Fails = -1, FailsOddly = -2, Unhandled = -3 };

// Runs a timer from start, serving its ticks on this thread as the GUI thread would, until its
// sixth tick or, when stop is given, the first sleep to reach start + stop. The third tick's
// handler takes third milliseconds, passing on the clock as a sleep would, or fails; or there is no
// handler. Returns the milliseconds from start to each tick.
TTicks RunTimer(std::uint32_t start, int third, std::uint32_t stop)
{
    TFakeClock clock(start);
    TGameSynchronizer synchronizer;
    TTicks ticks;
    const auto handler = [&](TGameTimer& sender) {
        ticks.push_back(clock.Now() - start);
        if (ticks.size() == 3 && third == Fails)
            throw std::runtime_error("tick failed");
        if (ticks.size() == 3 && third == FailsOddly)
            throw 42;
        if (ticks.size() == 3 && third > 0)
            clock.Sleep(third);
        if (ticks.size() == 6)
            sender.Terminate();
    };
    TGameTimer timer(synchronizer, clock, Interval,
                     third == Unhandled ? nullptr : TNotifyEvent<TGameTimer>(handler));
    clock.AfterSleep = [&] {
        if (stop > 0 && clock.Now() - start >= stop)
            timer.Terminate();
    };
    timer.Resume();
    timer.WaitFor();
    if (stop > 0) { // terminated while it waits: it ends within an interval
        EXPECT_GE(clock.Now() - start, stop);
        EXPECT_LE(clock.Now() - start, stop + Interval);
    }
    return ticks;
}

// The first tick comes at once; each later one with the first reading strictly after its due time,
// start + k * 100. A late tick drops the due times it overran, and the grid does not shift. A
// failing handler ends the ticks without a word. Terminated while it waits, the timer ends without
// another tick, whether or not it has a handler.
TEST(TGameTimerTest, TicksKeepTheirGridAndEndWhenTerminated)
{
    const TTicks onTime = {0, 101, 201, 301, 401, 501};
    for (const auto& [name, start, third, stop, ticks] : {
             std::tuple{"on time", 1000U, 0, 0U, onTime},
             {"wrap between ticks", 0xFFFFFFFF - 150, 0, 0U, onTime},
             {"due at 2^32 - 1", 0xFFFFFFFF - 100, 0, 0U, onTime},
             {"wrap after the start", 0xFFFFFFFF, 0, 0U, onTime},
             {"late, none dropped", 1000U, 100, 0U, onTime},
             {"late, stands in", 1000U, 199, 0U, TTicks{0, 101, 201, 400, 501, 601}},
             {"late, one dropped", 1000U, 250, 0U, TTicks{0, 101, 201, 451, 501, 601}},
             {"failing", 1000U, Fails, 0U, TTicks{0, 101, 201}},
             {"throwing no std::exception", 1000U, FailsOddly, 0U, TTicks{0, 101, 201}},
             {"terminated while waiting", 1000U, 0, 150U, TTicks{0, 101}},
             {"terminated without a handler", 1000U, Unhandled, 150U, TTicks{}},
         }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(RunTimer(start, third, stop), ticks);
    }
}

} // namespace

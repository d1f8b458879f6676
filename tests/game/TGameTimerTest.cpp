#include "TGameTimer.h"
#include "TFakeClock.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t Interval = 100;
using TTicks = std::vector<std::uint32_t>;

enum : int { Fails = -1, FailsOddly = -2 };

// Runs a timer from start until its sixth tick, serving its ticks on this
// thread as the GUI thread would. The third tick's handler takes third
// milliseconds, passing on the clock as a sleep would, or fails. Returns the
// milliseconds from start to each tick.
TTicks RunTimer(std::uint32_t start, int third)
{
    TFakeClock clock(start);
    TGameSynchronizer synchronizer;
    TTicks ticks;
    TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer& sender) {
        ticks.push_back(clock.Now() - start);
        if (ticks.size() == 3 && third == Fails)
            throw std::runtime_error("tick failed");
        if (ticks.size() == 3 && third == FailsOddly)
            throw 42;
        if (ticks.size() == 3 && third > 0)
            clock.Sleep(third);
        if (ticks.size() == 6)
            sender.Terminate();
    });
    timer.Resume();
    timer.WaitFor();
    return ticks;
}

// The first tick comes at once; each later one with the first reading
// strictly after its due time, start + k * 100. A late tick drops the due
// times it overran, and the grid does not shift. A failing handler ends the
// ticks without a word.
TEST(TGameTimerTest, TicksKeepTheirGridAndEndWhenTerminated)
{
    const TTicks onTime = {0, 101, 201, 301, 401, 501};
    for (const auto& [name, start, third, ticks] : {
             std::tuple{"on time", 1000U, 0, onTime},
             {"wrap between ticks", 0xFFFFFFFF - 150, 0, onTime},
             {"due at 2^32 - 1", 0xFFFFFFFF - 100, 0, onTime},
             {"wrap after the start", 0xFFFFFFFF, 0, onTime},
             {"late, none dropped", 1000U, 100, onTime},
             {"late, stands in", 1000U, 199, TTicks{0, 101, 201, 400, 501, 601}},
             {"late, one dropped", 1000U, 250, TTicks{0, 101, 201, 451, 501, 601}},
             {"failing", 1000U, Fails, TTicks{0, 101, 201}},
             {"throwing no std::exception", 1000U, FailsOddly, TTicks{0, 101, 201}},
         }) {
        SCOPED_TRACE(name);
        TTicks got;
        EXPECT_NO_THROW(got = RunTimer(start, third));
        EXPECT_EQ(got, ticks);
    }

    // Terminated while it waits, the timer ends within an interval and without
    // another tick, whether or not it has a handler.
    for (const bool handled : {true, false}) {
        TFakeClock clock(1000);
        TGameSynchronizer synchronizer;
        TTicks ticks;
        const auto log = [&](TGameTimer&) { ticks.push_back(clock.Now()); };
        TGameTimer timer(synchronizer, clock, Interval,
                         handled ? TNotifyEvent<TGameTimer>(log) : nullptr);
        clock.AfterSleep = [&] {
            if (clock.Now() >= 1150)
                timer.Terminate();
        };
        timer.Resume();
        timer.WaitFor();
        EXPECT_EQ(ticks, (handled ? TTicks{1000, 1101} : TTicks{}));
        EXPECT_GE(clock.Now(), 1150U);
        EXPECT_LE(clock.Now(), 1250U);
    }
}

} // namespace

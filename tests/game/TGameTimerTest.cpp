#include "TGameTimer.h"
#include "TFakeClock.h"
#include "TGameSynchronizer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::uint32_t Interval = 100;

using TTicks = std::vector<std::uint32_t>;
// A tick handler's work besides being logged; tick counts from 1.
using TTickWork = std::function<void(TGameTimer& timer, std::size_t tick)>;

// Runs a timer on clock until it ends, serving its ticks on this thread as the
// GUI thread would. Returns the clock's reading at each tick.
TTicks RunTimer(TFakeClock& clock, const TTickWork& work)
{
    TGameSynchronizer synchronizer;
    TTicks ticks;
    TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer& sender) {
        ticks.push_back(clock.Now());
        work(sender, ticks.size());
    });
    timer.Resume();
    timer.WaitFor();
    return ticks;
}

TTickWork StopAt(std::size_t last)
{
    return [last](TGameTimer& timer, std::size_t tick) {
        if (tick == last)
            timer.Terminate();
    };
}

// Milliseconds from each tick to the next, modulo 2^32 like the clock.
TTicks Gaps(const TTicks& ticks)
{
    TTicks gaps;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        gaps.push_back(ticks[i] - ticks[i - 1]);
    return gaps;
}

// The first tick comes with the first reading; each later one with the first
// reading strictly after its due time, start + k * 100.
TEST(TGameTimerTest, FirstTickAtOnceThenOneAtTheFirstReadingPastEachDueTime)
{
    TFakeClock clock(1000);
    EXPECT_EQ(RunTimer(clock, StopAt(6)), (TTicks{1000, 1101, 1201, 1301, 1401, 1501}));
}

TEST(TGameTimerTest, TheClockWrappingChangesNothing)
{
    TFakeClock plain(1000);
    const TTicks expected = Gaps(RunTimer(plain, StopAt(6)));

    // Wrapping between the second and third tick; a due time of 0xFFFFFFFF,
    // whose first reading past it is 0; wrapping right after the start.
    for (const std::uint32_t start : {0xFFFFFFFFU - 150, 0xFFFFFFFFU - 100, 0xFFFFFFFFU}) {
        TFakeClock clock(start);
        const TTicks ticks = RunTimer(clock, StopAt(6));
        ASSERT_FALSE(ticks.empty());
        EXPECT_EQ(ticks.front(), start);
        EXPECT_EQ(Gaps(ticks), expected) << "start " << start;
    }
}

// The third tick, at T = 1201, takes a while; the ticks after it, from T.
TEST(TGameTimerTest, ALateTickDropsTheDueTimesItOverranAndKeepsTheGrid)
{
    struct TCase {
        std::uint32_t Takes;
        TTicks After;
    };
    const std::vector<TCase> cases = {
        {100, {100, 200, 300}}, // up to its own next due time: nothing dropped
        {199, {199, 300, 400}}, // the late tick stands in for T + 100; none at T + 200
        {250, {250, 300, 400}}, // T + 100 comes late, T + 200 is dropped
    };
    for (const TCase& c : cases) {
        TFakeClock clock(1000);
        const TTicks ticks = RunTimer(clock, [&](TGameTimer& timer, std::size_t tick) {
            if (tick == 3)
                clock.Advance(c.Takes);
            StopAt(6)(timer, tick);
        });
        ASSERT_EQ(ticks.size(), 6U) << "takes " << c.Takes;
        EXPECT_EQ(ticks[2], 1201U);
        EXPECT_EQ((TTicks{ticks[3] - 1201, ticks[4] - 1201, ticks[5] - 1201}), c.After)
            << "takes " << c.Takes;
    }
}

TEST(TGameTimerTest, TerminateWhileWaitingEndsWithinAnIntervalWithoutAnotherTick)
{
    // Halfway to the next due time, and in its last millisecond.
    for (const std::uint32_t after : {150U, 200U}) {
        TFakeClock clock(1000);
        TGameSynchronizer synchronizer;
        TTicks ticks;
        TGameTimer timer(synchronizer, clock, Interval,
                         [&](TGameTimer&) { ticks.push_back(clock.Now()); });
        std::uint32_t terminatedAt = 0;
        clock.RingAfter(after, [&] {
            terminatedAt = clock.Now();
            timer.Terminate();
        });
        timer.Resume();
        timer.WaitFor();

        EXPECT_EQ(ticks, (TTicks{1000, 1101})) << "after " << after;
        EXPECT_LE(clock.Now() - terminatedAt, Interval) << "after " << after;
    }
}

TEST(TGameTimerTest, AFailingHandlerEndsTheTicksSilently)
{
    const std::vector<std::function<void()>> failures = {
        [] { throw std::runtime_error("tick failed"); },
        [] { throw 42; }, // not even a std::exception
    };
    for (const auto& fail : failures) {
        TFakeClock clock(1000);
        TTicks ticks;
        EXPECT_NO_THROW(ticks = RunTimer(clock, [&](TGameTimer& timer, std::size_t tick) {
                            if (tick == 3)
                                fail();
                            StopAt(4)(timer, tick); // only if the ticks wrongly go on
                        }));
        EXPECT_EQ(ticks.size(), 3U);
    }
}

TEST(TGameTimerTest, WithoutOnTimerItStillKeepsTimeUntilTerminated)
{
    TFakeClock clock(1000);
    TGameSynchronizer synchronizer;
    TGameTimer timer(synchronizer, clock, Interval, nullptr);
    clock.RingAfter(550, [&] { timer.Terminate(); });
    timer.Resume();
    timer.WaitFor();
    EXPECT_EQ(clock.Now(), 1601U); // the end of the wait for the due time 1600
}

} // namespace

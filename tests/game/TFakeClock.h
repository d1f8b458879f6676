#pragma once
// A clock that moves only when the timer sleeps or a test advances it: a
// sleep of n ms moves it n ms, a sleep of 0 a quarter of one, as the shortest
// real sleep would. Readings wrap modulo 2^32 like the system clock's.
// A timer that sleeps through a whole fake hour has lost its way: the sleep
// then fails, which ends the timer, so a broken wait shows as wrong ticks
// instead of a hang.

#include "TGameClock.h"

#include <cstdint>
#include <functional>

class TFakeClock : public TGameClock {
public:
    explicit TFakeClock(std::uint32_t start);

    std::uint32_t Now() const override;
    void Sleep(std::uint32_t milliseconds) override;

    // As the work of a slow tick handler would.
    void Advance(std::uint32_t milliseconds);
    // ring is run once, by the first sleep that takes the clock at least that
    // many milliseconds past its present reading.
    void RingAfter(std::uint32_t milliseconds, std::function<void()> ring);

private:
    std::uint64_t Micros;
    std::uint64_t SleptMicros = 0;
    std::uint64_t AlarmMicros = 0;
    std::function<void()> Ring;
};

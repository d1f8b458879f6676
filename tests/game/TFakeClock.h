#pragma once
// A clock that moves only when something sleeps on it. A sleep of 0 lasts a millisecond, as the
// shortest real one ends within one. Readings wrap modulo 2^32 like the system clock's.

#include "TGameClock.h"

#include <algorithm>
#include <functional>

struct TFakeClock : TGameClock {
    explicit TFakeClock(std::uint32_t start) : Ms(start) {}

    std::uint32_t Now() const override { return Ms; }
    void Sleep(std::uint32_t milliseconds) override
    {
        Ms += std::max(milliseconds, 1U);
        AfterSleep();
    }

    std::uint32_t Ms;
    // Called on the timer's thread after every sleep.
    std::function<void()> AfterSleep = [] {};
};

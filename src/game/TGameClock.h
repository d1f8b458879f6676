#pragma once
// Time for the tick timer: a millisecond count and a sleep. The shell uses
// the system's; the tests use a clock that moves only when it is told to.

#include <cstdint>

class TGameClock {
public:
    virtual ~TGameClock() = default;
    // Milliseconds on a monotonic count that wraps around modulo 2^32; only
    // differences of two readings mean anything.
    virtual std::uint32_t Now() const = 0;
    // Gives the processor away for about that many milliseconds; 0 asks for
    // a real pause until the count next goes up, never for a bare yield.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

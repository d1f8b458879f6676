#include "TGameSystemClock.h"

#include <chrono>
#include <thread>

std::uint32_t TGameSystemClock::Now() const
{
    using namespace std::chrono;
    const auto count = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(count); // keeps the low 32 bits: the count wraps
}

void TGameSystemClock::Sleep(std::uint32_t milliseconds)
{
    using namespace std::chrono;
    // A request for 0 ms comes when the due time is at most a millisecond
    // away. Nothing can change before the count does, so the wait lasts until
    // the next millisecond begins: one wake-up, at the very first reading that
    // can be past the due time, where short naps woke several times.
    if (milliseconds == 0)
        std::this_thread::sleep_until(floor<std::chrono::milliseconds>(steady_clock::now()) +
                                      std::chrono::milliseconds(1));
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

#include "TGameSystemClock.h"

#include <chrono>
#include <thread>

namespace {
// A request for 0 ms comes when the due time is at most a millisecond away.
// A bare yield returns at once on an idle machine, so the timer would spin
// through that last millisecond of every tick; this nap keeps the processor
// free and still lets the timer read the clock several times a millisecond.
constexpr std::chrono::microseconds ShortestSleep{200};
} // namespace

std::uint32_t TGameSystemClock::Now() const
{
    using namespace std::chrono;
    const auto count = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(count); // keeps the low 32 bits: the count wraps
}

void TGameSystemClock::Sleep(std::uint32_t milliseconds)
{
    if (milliseconds == 0)
        std::this_thread::sleep_for(ShortestSleep);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

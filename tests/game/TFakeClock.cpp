#include "TFakeClock.h"

#include <stdexcept>
#include <utility>

namespace {
constexpr std::uint64_t MicrosPerMilli = 1000;
constexpr std::uint64_t ShortestSleepMicros = 250;
constexpr std::uint64_t SleepLimitMicros = 3'600'000'000;
} // namespace

TFakeClock::TFakeClock(std::uint32_t start) : Micros(start * MicrosPerMilli) {}

std::uint32_t TFakeClock::Now() const
{
    return static_cast<std::uint32_t>(Micros / MicrosPerMilli);
}

void TFakeClock::Sleep(std::uint32_t milliseconds)
{
    const std::uint64_t micros =
        milliseconds == 0 ? ShortestSleepMicros : milliseconds * MicrosPerMilli;
    SleptMicros += micros;
    if (SleptMicros > SleepLimitMicros)
        throw std::runtime_error("the timer slept through a whole fake hour");
    Micros += micros;
    if (Ring && Micros >= AlarmMicros)
        std::exchange(Ring, nullptr)();
}

void TFakeClock::Advance(std::uint32_t milliseconds)
{
    Micros += milliseconds * MicrosPerMilli;
}

void TFakeClock::RingAfter(std::uint32_t milliseconds, std::function<void()> ring)
{
    AlarmMicros = Micros + milliseconds * MicrosPerMilli;
    Ring = std::move(ring);
}

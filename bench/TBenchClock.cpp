#include "TBenchClock.h"

#include <pthread.h>

std::uint32_t TBenchClock::Now() const
{
    const std::uint32_t now = System.Now();
    if (!Started)
        NoteStart(now);
    return now;
}

void TBenchClock::Sleep(std::uint32_t milliseconds)
{
    System.Sleep(milliseconds);
}

std::chrono::nanoseconds TBenchClock::TimerCpuTime() const
{
    timespec used{};
    clock_gettime(TimerCpuClock, &used);
    return std::chrono::seconds(used.tv_sec) + std::chrono::nanoseconds(used.tv_nsec);
}

void TBenchClock::NoteStart(std::uint32_t now) const
{
    using namespace std::chrono;
    // The reading is the low 32 bits of steady_clock's milliseconds; a sample
    // taken just after it puts it back on the full time line.
    const auto sample = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    const std::uint32_t since = static_cast<std::uint32_t>(sample.count()) - now;
    StartTime = steady_clock::time_point(sample - milliseconds(since));
    pthread_getcpuclockid(pthread_self(), &TimerCpuClock);
    Started = true;
}

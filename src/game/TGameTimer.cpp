#include "TGameTimer.h"
#include "TGameClock.h"

#include <utility>

namespace {

// How far due lies ahead of now on a clock that wraps: negative once it has
// passed. The wrap cancels out of the difference.
std::int32_t TimeLeft(std::uint32_t due, std::uint32_t now)
{
    return static_cast<std::int32_t>(due - now);
}

// The first of due, due + interval, due + 2 * interval, ... that lies strictly
// after now, where now is past due.
std::uint32_t NextDue(std::uint32_t due, std::uint32_t now, std::uint32_t interval)
{
    const std::uint32_t late = now - due;
    return due + (late / interval + 1) * interval;
}

} // namespace

TGameTimer::TGameTimer(TGameSynchronizer& synchronizer, TGameClock& clock, std::uint32_t interval,
                       TNotifyEvent<TGameTimer> onTimer)
    : TGameThread(synchronizer), Interval(interval), OnTimer(std::move(onTimer)), Clock(clock)
{
}

TGameTimer::~TGameTimer()
{
    Stop();
}

void TGameTimer::Execute()
{
    // The one place a timer failure goes: the game simply stops advancing and
    // the player is told nothing, as with every other failure of the timer.
    try {
        KeepTime();
    } catch (...) {
    }
}

void TGameTimer::KeepTime()
{
    const std::function<void()> tick = [this] {
        if (OnTimer)
            OnTimer(*this);
    };
    std::uint32_t due = Clock.Now() + Interval;
    while (!Terminated()) {
        Synchronize(tick);
        WaitPast(due);
        due = NextDue(due, Clock.Now(), Interval);
    }
}

void TGameTimer::WaitPast(std::uint32_t due) const
{
    // Half the time left at a go, so a sleep that overruns what it was asked
    // for still wakes well before the due time.
    for (auto left = TimeLeft(due, Clock.Now()); left >= 0; left = TimeLeft(due, Clock.Now()))
        Clock.Sleep(static_cast<std::uint32_t>(left) / 2);
}

#pragma once
// The game's fixed tick: a thread that every Interval milliseconds has
// OnTimer run on the GUI thread and waits until it has returned. Ticks lie on
// a fixed grid of due times: a late tick is delivered at once, the due times
// it overran are dropped, and the grid does not shift. Any failure, one of
// OnTimer included, ends the ticks for good without a word.

#include "TGameThread.h"
#include "TNotifyEvent.h"

#include <cstdint>

class TGameClock;

class TGameTimer : public TGameThread {
public:
    // Suspended until Resume; then the first tick comes at once. interval >= 1.
    // synchronizer and clock must outlive the timer; onTimer may be empty.
    TGameTimer(TGameSynchronizer& synchronizer, TGameClock& clock, std::uint32_t interval,
               TNotifyEvent<TGameTimer> onTimer);
    ~TGameTimer() override;
    TGameTimer(const TGameTimer&) = delete;
    TGameTimer& operator=(const TGameTimer&) = delete;

    const std::uint32_t Interval;
    // Called on the GUI thread once per tick, with this timer as sender.
    const TNotifyEvent<TGameTimer> OnTimer;

protected:
    void Execute() override;

private:
    void KeepTime();
    // Returns at the first clock reading strictly after due.
    void WaitPast(std::uint32_t due) const;

    TGameClock& Clock;
};

#pragma once
// The system clock as the timer sees it, noting for the benchmark where the
// timer's grid starts and which CPU clock counts the timer thread's time.

#include "TGameSystemClock.h"

#include <chrono>
#include <ctime>

class TBenchClock : public TGameClock {
public:
    std::uint32_t Now() const override;
    void Sleep(std::uint32_t milliseconds) override;

    // The start of the millisecond of the timer's first reading, on
    // steady_clock's time line. Once the first tick has come.
    std::chrono::steady_clock::time_point Start() const { return StartTime; }
    // CPU time the timer thread has used so far. Once the first tick has come,
    // while the thread lives.
    std::chrono::nanoseconds TimerCpuTime() const;

private:
    // On the timer thread, at its first reading.
    void NoteStart(std::uint32_t now) const;

    TGameSystemClock System;
    mutable bool Started = false;
    mutable std::chrono::steady_clock::time_point StartTime;
    mutable clockid_t TimerCpuClock{};
};

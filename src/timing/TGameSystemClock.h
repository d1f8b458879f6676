#pragma once
// The machine's monotonic clock, in milliseconds.

#include "TGameClock.h"

class TGameSystemClock : public TGameClock {
public:
    std::uint32_t Now() const override;
    // 0 milliseconds sleeps a fifth of one.
    void Sleep(std::uint32_t milliseconds) override;
};

#pragma once
// The machine's monotonic clock, in milliseconds.

#include "TGameClock.h"

class TGameSystemClock : public TGameClock {
public:
    std::uint32_t Now() const override;
    // 0 milliseconds sleeps until the count next goes up.
    void Sleep(std::uint32_t milliseconds) override;
};

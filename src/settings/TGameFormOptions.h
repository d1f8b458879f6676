#pragma once
// The main window's own options: its frame, whether it comes back where it
// stood at the last exit, and how well the computer plays against a person.

#include "TGameStrength.h"

class TGameFormOptions {
public:
    TGameFormOptions() = default;
    TGameFormOptions(bool sizable, bool lastPosition, TGameLevel computer = TGameLevel::Medium)
        : Sizable(sizable), LastPosition(lastPosition), Computer(computer)
    {
    }
    virtual ~TGameFormOptions() = default;
    TGameFormOptions(const TGameFormOptions&) = default;
    TGameFormOptions& operator=(const TGameFormOptions&) = default;

    bool Sizable = false;
    bool LastPosition = true;
    TGameLevel Computer = TGameLevel::Medium;

    friend bool operator==(const TGameFormOptions&, const TGameFormOptions&) = default;
};

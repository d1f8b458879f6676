#pragma once
// The main window's own options: its frame, and whether it comes back where
// it stood at the last exit.

class TGameFormOptions {
public:
    TGameFormOptions() = default;
    TGameFormOptions(bool sizable, bool lastPosition) : Sizable(sizable), LastPosition(lastPosition)
    {
    }
    virtual ~TGameFormOptions() = default;
    TGameFormOptions(const TGameFormOptions&) = default;
    TGameFormOptions& operator=(const TGameFormOptions&) = default;

    bool Sizable = false;
    bool LastPosition = true;

    friend bool operator==(const TGameFormOptions&, const TGameFormOptions&) = default;
};

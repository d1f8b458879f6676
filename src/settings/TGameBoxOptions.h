#pragma once
// The game view's options as one value: what the settings file keeps of the
// game and what the window's menu toggles.

#include <cstdint>

class TGameBoxOptions {
public:
    TGameBoxOptions() = default;
    TGameBoxOptions(std::int32_t highScore, bool busyGame, bool sound)
        : HighScore(highScore), BusyGame(busyGame), Sound(sound)
    {
    }
    virtual ~TGameBoxOptions() = default;
    TGameBoxOptions(const TGameBoxOptions&) = default;
    TGameBoxOptions& operator=(const TGameBoxOptions&) = default;

    std::int32_t HighScore = 0;
    bool BusyGame = false;
    bool Sound = true;

    friend bool operator==(const TGameBoxOptions&, const TGameBoxOptions&) = default;
};

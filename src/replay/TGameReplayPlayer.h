#pragma once
// Plays a recorded game one tick at a time, on a field of its own, as a
// window shows it: the game's own field, high score and tables stay as
// they are, and so does the game's generator, whose state the replay keeps
// apart between its steps.

#include "TReplayCommand.h"
#include "TReplayRunner.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class TGameReplayPlayer {
public:
    // A script that TReplayCheck found sound; throws TReplayError for a
    // line that cannot run.
    explicit TGameReplayPlayer(const std::string& script);

    // The commands up to the next tick, paused or not, and that tick.
    // Returns whether the game stepped; false too once the script is done.
    bool Step();
    bool Done() const { return Next == Commands.size() && Left == 0; }
    TGameField& Field() { return Runner.Field; }
    // The effects of the last step that stepped.
    const std::vector<int>& Played() const { return Runner.Played(); }
    // The ticks the game has stepped.
    std::uint64_t Ticks() const { return TickCount; }

private:
    std::vector<TReplayCommand> Commands;
    std::size_t Next = 0;
    // Ticks left of the command under way, and its one-tick form.
    std::uint64_t Left = 0;
    TReplayCommand Single;
    TReplayRunner Runner;
    std::uint64_t Generator = 0;
    std::uint64_t TickCount = 0;
    // The trace of a watched game goes nowhere.
    std::ostream Nowhere{nullptr};
};

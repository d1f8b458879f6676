#pragma once
// One line of a replay script, parsed and range-checked.

#include "TGameStrength.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

enum TReplayVerb {
    rvSeed,
    rvRandom,
    rvBusy,
    rvHighScore,
    rvStart,
    rvDown,
    rvUp,
    rvSilentDown,
    rvSilentUp,
    rvTick,
    rvDraw,
    rvDump,
    rvComputer,
    rvState,
    rvPaused,
    rvNoHighScore,
};

// A line that cannot run; the message names the problem, not the line.
class TReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TReplayCommand {
    TReplayVerb Verb = rvDump;
    std::uint64_t Argument = 0;
    // The second number, of "state".
    std::uint64_t Second = 0;
    // The strength that follows the number of "computer".
    TGameLevel Level = TGameLevel::Medium;

    // nullopt for a blank or comment line; throws TReplayError for a bad one.
    static std::optional<TReplayCommand> Parse(std::string_view line);
};

#pragma once
// The blocks of a replay trace that tell how a game stands: a tick's block
// and the dump of its units and terrain, as tolm-replay prints them and as
// a recorded game ends, so that anyone can check a replay against them.

#include <cstdint>
#include <ostream>
#include <vector>

class TGameField;

namespace TReplayTrace {

// "tick T over O hi H sounds S msg "M"", then a line per player: the high
// score as it was on that tick, which options may change after it.
void WriteTickBlock(std::ostream& out, const TGameField& field, std::uint64_t tick,
                    const std::vector<int>& sounds, int highScore);
// "units N", a line per unit, "map", a row of terrain per line.
void WriteDump(std::ostream& out, const TGameField& field);

} // namespace TReplayTrace

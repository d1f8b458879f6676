#pragma once
// Whether a replay script is what the game recorded: it plays to its end
// without a bad line, and its end, as tolm-replay prints it, is the one its
// comments recorded. The game's generator is left as it was.

#include <optional>
#include <string>

namespace TReplayCheck {

// The first line of the comments that hold a recording's end.
inline constexpr const char* EndHeading = "# The end, as tolm-replay prints it:";

// Nothing for a recording that plays to its recorded end; else what is
// wrong, as a player may read it ("line 7: unknown command "jump"").
std::optional<std::string> Problem(const std::string& script);

} // namespace TReplayCheck

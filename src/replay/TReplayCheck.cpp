#include "TReplayCheck.h"

#include "Random.h"
#include "TReplayRunner.h"
#include "TReplayTrace.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace {

// The longest game that can be watched, some 27 hours of play, which the
// check plays through in about two seconds (2.2 us a tick of a busy game).
constexpr std::uint64_t MostTicks = 1'000'000;

// What the game writes as it records. The tool's other commands (random
// numbers, pictures, a computer player) would let a file run on unbounded.
constexpr std::array Recorded = {rvState, rvBusy,       rvHighScore, rvNoHighScore, rvStart, rvDown,
                                 rvUp,    rvSilentDown, rvSilentUp,  rvTick,        rvPaused};

// The recorded end: the comment lines after the heading, their "#" gone.
std::optional<std::string> RecordedEnd(const std::string& script)
{
    const std::size_t heading = script.find(TReplayCheck::EndHeading);
    if (heading == std::string::npos)
        return std::nullopt;
    std::string end;
    std::istringstream lines(script.substr(script.find('\n', heading) + 1));
    for (std::string line; std::getline(lines, line) && line.starts_with('#');)
        end += line.substr(1) + '\n';
    return end;
}

// Runs one line as the game would have recorded it, the ticks one at a
// time: end holds the last tick's block alone, as a long game's whole
// trace may not fit in memory. ticks counts the ticks run so far.
void Run(const std::string& line, TReplayRunner& runner, std::ostringstream& end,
         std::uint64_t& ticks)
{
    const std::optional<TReplayCommand> command = TReplayCommand::Parse(line);
    if (!command)
        return;
    if (std::ranges::find(Recorded, command->Verb) == Recorded.end())
        throw TReplayError("a command the game never records");
    if (command->Verb != rvTick) {
        runner.Execute(*command, end);
        return;
    }
    if (command->Argument > MostTicks - ticks)
        throw TReplayError("longer than any game that can be watched");
    ticks += command->Argument;
    TReplayCommand single = *command;
    single.Argument = 1;
    for (std::uint64_t tick = 0; tick < command->Argument; ++tick) {
        // The game stops recording as it ends.
        if (runner.Field.Over)
            throw TReplayError("a tick with no game going on");
        end.str("");
        runner.Execute(single, end);
    }
}

} // namespace

namespace TReplayCheck {

std::optional<std::string> Problem(const std::string& script)
{
    const std::optional<std::string> recorded = RecordedEnd(script);
    if (!recorded)
        return "no recorded end: not a game recorded by Tolm Game";
    const std::uint64_t generator = Random::State();
    TReplayRunner runner;
    std::ostringstream end;
    std::uint64_t ticks = 0;
    std::optional<std::string> problem;
    std::istringstream lines(script);
    std::string line;
    for (int number = 1; !problem && std::getline(lines, line); ++number) {
        try {
            Run(line, runner, end, ticks);
        } catch (const TReplayError& error) {
            problem = "line " + std::to_string(number) + ": " + error.what();
        }
    }
    Random::SetState(generator);
    if (problem)
        return problem;
    TReplayTrace::WriteDump(end, runner.Field);
    if (end.str() != *recorded)
        return "the game ends otherwise than it recorded";
    return std::nullopt;
}

} // namespace TReplayCheck

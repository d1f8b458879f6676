#include "TReplayCheck.h"

#include "Random.h"
#include "TReplayRunner.h"
#include "TReplayTrace.h"

#include <sstream>

namespace {

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

} // namespace

namespace TReplayCheck {

std::optional<std::string> Problem(const std::string& script)
{
    const std::optional<std::string> recorded = RecordedEnd(script);
    if (!recorded)
        return "no recorded end: not a game recorded by Tolm Game";
    const std::uint64_t generator = Random::State();
    TReplayRunner runner;
    std::istringstream lines(script);
    std::ostringstream trace;
    std::ostringstream errors;
    const int code = runner.RunScript(lines, trace, errors);
    Random::SetState(generator);
    if (code != 0)
        return errors.str().substr(0, errors.str().find('\n'));
    const std::string ticks = trace.str();
    const std::size_t last = ticks.rfind("tick ");
    std::ostringstream played;
    played << (last == std::string::npos ? std::string() : ticks.substr(last));
    TReplayTrace::WriteDump(played, runner.Field);
    if (played.str() != *recorded)
        return "the game ends otherwise than it recorded";
    return std::nullopt;
}

} // namespace TReplayCheck

#include "TGameReplayPlayer.h"

#include "Random.h"

#include <sstream>

TGameReplayPlayer::TGameReplayPlayer(const std::string& script)
{
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        if (const auto command = TReplayCommand::Parse(line))
            Commands.push_back(*command);
    }
}

bool TGameReplayPlayer::Step()
{
    const std::uint64_t game = Random::State();
    Random::SetState(Generator);
    bool stepped = false;
    for (;;) {
        if (Left > 0) {
            --Left;
            Runner.Execute(Single, Nowhere);
            stepped = Single.Verb == rvTick;
            TickCount += stepped ? 1 : 0;
            break;
        }
        if (Next == Commands.size())
            break;
        const TReplayCommand& command = Commands[Next++];
        if (command.Verb == rvTick || command.Verb == rvPaused) {
            Single = command;
            Single.Argument = 1;
            Left = command.Argument;
        } else {
            Runner.Execute(command, Nowhere);
        }
    }
    Generator = Random::State();
    Random::SetState(game);
    return stepped;
}

#pragma once
// Runs replay commands against the rules, headless, and writes the trace:
// the same pads, controller and order of calls as the game view uses.

#include "TGameComputer.h"
#include "TGameField.h"
#include "TGameKeyRecord.h"
#include "TGamePad.h"
#include "TReplayCanvas.h"
#include "TReplayCommand.h"
#include "TReplaySound.h"

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>

class TReplayRunner {
public:
    TReplayRunner();

    // Runs one command, writing its trace lines to out.
    void Execute(const TReplayCommand& command, std::ostream& out);

    // Runs a whole script, line by line as it comes, the output of each line
    // flushed before the next is read, so that a program at the other end of
    // a pipe can answer what it reads. Stops at the first bad line. Returns
    // 0, or 2 after writing "line N: problem" to errors.
    int RunScript(std::istream& script, std::ostream& out, std::ostream& errors);

    TGameField Field;
    // The effects the last tick played.
    const std::vector<int>& Played() const { return Sound.Played; }

private:
    void Tick(std::ostream& out);
    // Each pad brought in line with the keyboard, or with the computer
    // that steers its player, as every tick starts, a paused one too.
    void PollPads();
    void Draw(std::ostream& out);
    TGamePads Pads() const { return {&PadList[0], &PadList[1]}; }
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);

    std::array<TGamePad, 2> PadList;
    // The players the computer steers: their pads poll it, and no key event
    // reaches them.
    std::array<std::unique_ptr<TGameComputer>, 2> Computers;
    TGameKeyRecord Keyboard;
    TReplaySound Sound;
    TReplayCanvas Canvas;
    TReplayImageList Images;
    std::uint64_t TickCount = 0;
};

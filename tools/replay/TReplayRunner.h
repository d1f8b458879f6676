#pragma once
// Runs replay commands against the rules, headless, and writes the trace:
// the same pads, controller and order of calls as the game view uses.

#include "TGameField.h"
#include "TGameKeyRecord.h"
#include "TGamePad.h"
#include "TReplayCanvas.h"
#include "TReplayCommand.h"
#include "TReplaySound.h"

#include <array>
#include <cstdint>
#include <ostream>

class TReplayRunner {
public:
    TReplayRunner();

    // Runs one command, writing its trace lines to out.
    void Execute(const TReplayCommand& command, std::ostream& out);

    // Runs a whole script; stops at the first bad line. Returns 0, or 2 after
    // writing "line N: problem" to errors.
    int RunScript(std::istream& script, std::ostream& out, std::ostream& errors);

    TGameField Field;

private:
    void Tick(std::ostream& out);
    void Draw(std::ostream& out);
    void Dump(std::ostream& out) const;
    void WriteTickBlock(std::ostream& out) const;
    TGamePads Pads() const { return {&PadList[0], &PadList[1]}; }
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);

    std::array<TGamePad, 2> PadList;
    TGameKeyRecord Keyboard;
    TReplaySound Sound;
    TReplayCanvas Canvas;
    TReplayImageList Images;
    std::uint64_t TickCount = 0;
};

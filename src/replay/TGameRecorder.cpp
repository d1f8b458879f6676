#include "TGameRecorder.h"

#include "Common.h"
#include "Random.h"
#include "TGameField.h"
#include "TGameKeyboard.h"
#include "TReplayCheck.h"
#include "TReplayTrace.h"

#include <sstream>

void TGameRecorder::Begin(int players, const TGameField& field, const TGamePads& pads,
                          bool computer)
{
    FRecording = true;
    Computer = computer;
    Script = "# Tolm Game replay\n";
    Down = {};
    RunLength = 0;
    TickCount = 0;
    Playing.clear();
    Played.clear();
    const std::uint64_t state = Random::State();
    Line("state " + std::to_string(state >> 32U) + " " + std::to_string(state & 0xFFFFFFFFU));
    Busy = field.Busy;
    HighScore = field.HighScore;
    Line("busy", Busy ? 1 : 0);
    Line("highscore", static_cast<std::uint64_t>(HighScore));
    if (computer)
        Line("nohighscore", 2);
    Line("start", static_cast<std::uint64_t>(players));
    PlayedHighScore = HighScore;
    // The keys held from before, oldest first, as the pads hold them; the
    // presses of those downs forgotten by a paused tick.
    bool held = false;
    for (std::size_t p = 0; p < pads.size(); ++p) {
        for (int pos = 3; pos >= 0; --pos) {
            const int key = pads[p]->HeldAt(pos);
            if (key < 0)
                continue;
            Down[p * 4 + static_cast<std::size_t>(key)] = true;
            Line("down",
                 static_cast<std::uint64_t>(Common::KeyTable[p][static_cast<std::size_t>(key)]));
            held = true;
        }
    }
    if (held)
        Line("paused", 1);
}

void TGameRecorder::KeyEvent(int keyCode, bool down)
{
    const int index = KeyIndex(keyCode);
    // Player 2's keys reach no pad while the computer plays him. A key
    // already as the event says changes no pad: the window and the view
    // both pass on a release, and the second is left out.
    if (!FRecording || index < 0 || (Computer && index >= 4) ||
        Down[static_cast<std::size_t>(index)] == down)
        return;
    Down[static_cast<std::size_t>(index)] = down;
    Line(down ? "down" : "up", static_cast<std::uint64_t>(keyCode));
}

void TGameRecorder::Options(bool busy, int highScore)
{
    if (!FRecording)
        return;
    if (busy != Busy)
        Line("busy", busy ? 1 : 0);
    if (highScore != HighScore)
        Line("highscore", static_cast<std::uint64_t>(highScore));
    Busy = busy;
    HighScore = highScore;
}

void TGameRecorder::Poll(const TGameKeyboard& one, const TGameKeyboard& two)
{
    Playing.clear();
    if (!FRecording)
        return;
    for (std::size_t index = 0; index < Down.size(); ++index) {
        const int keyCode = Common::KeyTable[index / 4][index % 4];
        const bool down = (index < 4 ? one : two).IsKeyDown(keyCode);
        if (down == Down[index])
            continue;
        Down[index] = down;
        Line(down ? "silentdown" : "silentup", static_cast<std::uint64_t>(keyCode));
    }
}

void TGameRecorder::Ticked(const TGameField& field, bool paused)
{
    if (!FRecording)
        return;
    if (paused != RunPaused)
        EndRun();
    RunPaused = paused;
    ++RunLength;
    if (!paused) {
        ++TickCount;
        Played.swap(Playing);
        PlayedHighScore = field.HighScore;
    }
}

std::string TGameRecorder::Finish(const TGameField& field)
{
    EndRun();
    FRecording = false;
    std::ostringstream end;
    TReplayTrace::WriteTickBlock(end, field, TickCount, Played, PlayedHighScore);
    TReplayTrace::WriteDump(end, field);
    Script += std::string(TReplayCheck::EndHeading) + "\n";
    std::istringstream lines(end.str());
    for (std::string line; std::getline(lines, line);)
        Script += "#" + line + "\n";
    return std::move(Script);
}

void TGameRecorder::Play(int id)
{
    Playing.push_back(id);
    Sound.Play(id);
}

void TGameRecorder::Line(std::string_view line)
{
    EndRun();
    Script += line;
    Script += '\n';
}

void TGameRecorder::Line(std::string_view verb, std::uint64_t number)
{
    Line(std::string(verb) + " " + std::to_string(number));
}

void TGameRecorder::EndRun()
{
    if (RunLength > 0) {
        Script += (RunPaused ? "paused " : "tick ") + std::to_string(RunLength) + "\n";
        RunLength = 0;
    }
}

int TGameRecorder::KeyIndex(int keyCode)
{
    for (std::size_t index = 0; index < 8; ++index) {
        if (Common::KeyTable[index / 4][index % 4] == keyCode)
            return static_cast<int>(index);
    }
    return -1;
}

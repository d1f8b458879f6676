#include "TReplayRunner.h"

#include "Random.h"
#include "TReplayTrace.h"

#include <istream>
#include <string>

TReplayRunner::TReplayRunner() : Field(Common::FieldWidth, Common::FieldHeight)
{
    for (std::size_t p = 0; p < PadList.size(); ++p)
        PadList[p].SetKeys(Common::KeyTable[p]);
}

int TReplayRunner::RunScript(std::istream& script, std::ostream& out, std::ostream& errors)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        try {
            if (const auto command = TReplayCommand::Parse(line))
                Execute(*command, out);
            out.flush();
        } catch (const TReplayError& error) {
            out.flush();
            errors << "line " << number << ": " << error.what() << '\n';
            return 2;
        }
    }
    return 0;
}

void TReplayRunner::Execute(const TReplayCommand& command, std::ostream& out)
{
    const auto number = command.Argument;
    const int key = static_cast<int>(number);
    switch (command.Verb) {
    case rvSeed:
        Random::Seed(static_cast<std::uint32_t>(number));
        break;
    case rvRandom:
        for (std::uint64_t i = 0; i < number; ++i)
            out << Random::Draw() << '\n';
        break;
    case rvBusy:
        Field.Busy = number != 0;
        break;
    case rvHighScore:
        Field.HighScore = static_cast<int>(number);
        break;
    case rvStart:
        Field.Start(static_cast<int>(number));
        break;
    case rvDown:
        Keyboard.Press(key);
        KeyDown(key);
        break;
    case rvUp:
        Keyboard.Release(key);
        KeyUp(key);
        break;
    case rvSilentDown:
        Keyboard.Press(key);
        break;
    case rvSilentUp:
        Keyboard.Release(key);
        break;
    case rvTick:
        for (std::uint64_t i = 0; i < number; ++i)
            Tick(out);
        break;
    case rvDraw:
        Draw(out);
        break;
    case rvDump:
        TReplayTrace::WriteDump(out, Field);
        break;
    case rvState:
        Random::SetState(number << 32U | command.Second);
        break;
    case rvPaused:
        // The game does not step and the computer does not think; the pads
        // still follow the keys, and what was pressed meanwhile is forgotten.
        // No key changes between the paused ticks of one line, so the first
        // leaves the pads as all of them would.
        PollPads();
        for (TGamePad& pad : PadList)
            pad.ClearPressed();
        break;
    case rvNoHighScore:
        Field.ComputerOpponent = true;
        break;
    case rvComputer:
        Field.ComputerOpponent = Field.ComputerOpponent || number == 2;
        // Seeded as the game seeds it, from the generator's state as it
        // stands, which it never draws from.
        Computers.at(number - 1) = std::make_unique<TGameComputer>(static_cast<int>(number - 1),
                                                                   command.Level, Random::State());
        break;
    }
}

void TReplayRunner::KeyDown(int keyCode)
{
    for (std::size_t p = 0; p < PadList.size(); ++p)
        if (!Computers[p])
            PadList[p].KeyDown(keyCode);
}

void TReplayRunner::KeyUp(int keyCode)
{
    for (std::size_t p = 0; p < PadList.size(); ++p)
        if (!Computers[p])
            PadList[p].KeyUp(keyCode);
}

void TReplayRunner::Tick(std::ostream& out)
{
    // Each computer looks at the field before any pad is polled, as in
    // the game.
    for (const auto& computer : Computers)
        if (computer)
            computer->Think(Field);
    PollPads();
    Sound.Played.clear();
    Field.Tick(Pads(), Sound);
    for (TGamePad& pad : PadList)
        pad.ClearPressed();
    ++TickCount;
    TReplayTrace::WriteTickBlock(out, Field, TickCount, Sound.Played, Field.HighScore);
}

void TReplayRunner::PollPads()
{
    for (std::size_t p = 0; p < PadList.size(); ++p)
        PadList[p].PollKeys(Computers[p] ? static_cast<const TGameKeyboard&>(*Computers[p])
                                         : Keyboard);
}

void TReplayRunner::Draw(std::ostream& out)
{
    Canvas.Clear();
    Field.Draw(Canvas, Images);
    out << "draw " << Canvas.Cells.size() << '\n';
    for (const TReplayCanvas::TCell& cell : Canvas.Cells) {
        out << " cell " << cell.Cell.X << ',' << cell.Cell.Y << ' ';
        if (cell.Image == TReplayCanvas::NoImage)
            out << '-';
        else
            out << cell.Image;
        out << '\n';
    }
    // The status line's two texts, left then right.
    out << "status";
    for (const TReplayCanvas::TText& text : Canvas.Texts)
        out << " \"" << text.Text << '"';
    out << '\n';
}

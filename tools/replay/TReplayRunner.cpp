#include "TReplayRunner.h"

#include "Random.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"

#include <istream>
#include <string>

namespace {

constexpr std::array<const char*, 3> ItemNames = {"cake", "stamp", "gelato"};
constexpr std::array<char, 4> TerrainChars = {'.', '#', '+', 'o'};

void WriteUnit(std::ostream& out, const TGameUnit& unit)
{
    switch (unit.Kind) {
    case ukPlayer:
        out << " player " << static_cast<const TGamePlayerUnit&>(unit).Index;
        break;
    case ukHome:
        out << " home";
        break;
    case ukTarget:
        out << " " << ItemNames[static_cast<const TGameTargetUnit&>(unit).Item];
        break;
    }
    out << " at " << unit.X << ',' << unit.Y;
    if (unit.Kind == ukTarget)
        out << " life " << static_cast<const TGameTargetUnit&>(unit).Life;
    if (!unit.Alive)
        out << " dead";
    out << '\n';
}

void WritePlayer(std::ostream& out, const TGamePlayerUnit& p)
{
    out << " p" << p.Index << " at " << p.X << ',' << p.Y << " dir " << p.Dx << ',' << p.Dy
        << " last " << p.LastDx << ',' << p.LastDy << " score " << p.Score << " trail "
        << p.Trail.size() << " stuck " << p.Stuck << " home " << p.AtHome << " sprite " << p.Sprite
        << '\n';
}

} // namespace

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
        Dump(out);
        break;
    case rvState:
        Random::SetState(number << 32U | command.Second);
        break;
    case rvPaused:
        // The game does not step and the computer does not think; the pads
        // still follow the keys, and what was pressed meanwhile is forgotten.
        for (std::uint64_t i = 0; i < number; ++i) {
            PollPads();
            for (TGamePad& pad : PadList)
                pad.ClearPressed();
        }
        break;
    case rvComputer:
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
    WriteTickBlock(out);
}

void TReplayRunner::PollPads()
{
    for (std::size_t p = 0; p < PadList.size(); ++p)
        PadList[p].PollKeys(Computers[p] ? static_cast<const TGameKeyboard&>(*Computers[p])
                                         : Keyboard);
}

void TReplayRunner::WriteTickBlock(std::ostream& out) const
{
    out << "tick " << TickCount << " over " << Field.Over << " hi " << Field.HighScore
        << " sounds ";
    if (Sound.Played.empty())
        out << '-';
    for (std::size_t i = 0; i < Sound.Played.size(); ++i)
        out << (i == 0 ? "" : ",") << Sound.Played[i];
    out << " msg \"" << Field.Message << "\"\n";
    for (const TGamePlayerUnit* player : Field.Players)
        WritePlayer(out, *player);
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

void TReplayRunner::Dump(std::ostream& out) const
{
    out << "units " << Field.Units.size() << '\n';
    for (const auto& unit : Field.Units)
        WriteUnit(out, *unit);
    out << "map\n";
    const TGameMap& map = Field.Map;
    for (int y = 0; y < map.Height(); ++y) {
        std::string row;
        for (int x = 0; x < map.Width(); ++x)
            row += TerrainChars[map.GetTerrain(x, y)];
        out << row << '\n';
    }
}

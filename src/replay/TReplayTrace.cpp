#include "TReplayTrace.h"

#include "TGameField.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"

#include <array>
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

namespace TReplayTrace {

void WriteTickBlock(std::ostream& out, const TGameField& field, std::uint64_t tick,
                    const std::vector<int>& sounds, int highScore)
{
    out << "tick " << tick << " over " << field.Over << " hi " << highScore << " sounds ";
    if (sounds.empty())
        out << '-';
    for (std::size_t i = 0; i < sounds.size(); ++i)
        out << (i == 0 ? "" : ",") << sounds[i];
    out << " msg \"" << field.Message << "\"\n";
    for (const TGamePlayerUnit* player : field.Players)
        WritePlayer(out, *player);
}

void WriteDump(std::ostream& out, const TGameField& field)
{
    out << "units " << field.Units.size() << '\n';
    for (const auto& unit : field.Units)
        WriteUnit(out, *unit);
    out << "map\n";
    const TGameMap& map = field.Map;
    for (int y = 0; y < map.Height(); ++y) {
        std::string row;
        for (int x = 0; x < map.Width(); ++x)
            row += TerrainChars[map.GetTerrain(x, y)];
        out << row << '\n';
    }
}

} // namespace TReplayTrace

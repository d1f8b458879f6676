#include "Board.h"

#include "TGameHomeUnit.h"

#include <memory>

namespace {

TGameTerrain TerrainOf(char c)
{
    switch (c) {
    case '#':
        return gtBush;
    case '+':
        return gtFence;
    case 'o':
        return gtTrail;
    default:
        return gtEmpty;
    }
}

char UnitChar(const TGameUnit& unit)
{
    switch (unit.Kind) {
    case ukPlayer:
        return static_cast<char>('1' + static_cast<const TGamePlayerUnit&>(unit).Index);
    case ukHome:
        return 'H';
    case ukTarget:
        return "csg"[static_cast<const TGameTargetUnit&>(unit).Item];
    }
    return '?';
}

} // namespace

TBoard::TBoard(const std::vector<std::string>& rows)
    : Field(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()))
{
    for (std::size_t p = 0; p < Pads.size(); ++p)
        Pads[p].SetKeys(Common::KeyTable[p]);

    // Each pass walks the picture in reading order, so units of one kind
    // join the field row by row.
    auto each = [&](auto&& visit) {
        for (int y = 0; y < Field.Map.Height(); ++y)
            for (int x = 0; x < Field.Map.Width(); ++x)
                visit(rows[y][x], x, y);
    };
    each([&](char c, int x, int y) {
        if (TerrainOf(c) != gtEmpty)
            Field.Map.SetTerrain(x, y, TerrainOf(c));
    });
    for (const char player : {'1', '2'}) {
        each([&](char c, int x, int y) {
            if (c == player || (player == '1' && c == 'S')) {
                auto& unit = Field.AddUnit(std::make_unique<TGamePlayerUnit>(player - '1'), x, y);
                Field.Players.push_back(static_cast<TGamePlayerUnit*>(&unit));
            }
        });
    }
    each([&](char c, int x, int y) {
        if (c == 'H' || c == 'S')
            Field.AddUnit(std::make_unique<TGameHomeUnit>(), x, y);
    });
    each([&](char c, int x, int y) {
        if (c == 'c' || c == 's' || c == 'g') {
            const TGameItem item = c == 'c' ? itCake : c == 's' ? itStamp : itGelato;
            Field.AddUnit(std::make_unique<TGameTargetUnit>(item), x, y);
        }
    });
    Field.Over = false;
    Field.Map.ClearDirty();
}

std::vector<std::string> TBoard::Picture() const
{
    const TGameMap& map = Field.Map;
    std::vector<std::string> rows(map.Height(), std::string(map.Width(), '.'));
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            const TGameUnit* unit = map.GetUnit(x, y);
            rows[y][x] = unit != nullptr ? UnitChar(*unit) : ".#+o"[map.GetTerrain(x, y)];
        }
    }
    // The start cell holds the home, not the player standing on it.
    for (const TGamePlayerUnit* player : Field.Players) {
        if (map.GetUnit(player->X, player->Y) != player && !player->AtHome)
            rows[player->Y][player->X] = 'S';
    }
    return rows;
}

TGameTargetUnit& TBoard::ItemAt(int x, int y)
{
    return static_cast<TGameTargetUnit&>(*Field.Map.GetUnit(x, y));
}

void TBoard::Press(int player, int key)
{
    Pads[player].KeyDown(Common::KeyTable[player][key]);
}

void TBoard::Head(int player, int dx, int dy)
{
    TGamePlayerUnit& unit = Player(player);
    unit.Dx = unit.LastDx = dx;
    unit.Dy = unit.LastDy = dy;
}

template <typename TPass> std::vector<int> TBoard::Run(TPass pass)
{
    Sound.Played.clear();
    pass(TGamePads{&Pads[0], &Pads[1]});
    for (TGamePad& pad : Pads)
        pad.ClearPressed();
    return Sound.Played;
}

std::vector<int> TBoard::Tick()
{
    return Run([this](const TGamePads& pads) { Field.Tick(pads, Sound); });
}

std::vector<int> TBoard::Step()
{
    return Run([this](const TGamePads& pads) { Field.StepUnits(pads, Sound); });
}

#include "TGameMap.h"

#include "TGameUnit.h"

TGameMap::TGameMap(int width, int height)
    : FWidth(width), FHeight(height), FTerrain(static_cast<std::size_t>(width * height), gtEmpty),
      FUnits(static_cast<std::size_t>(width * height), nullptr),
      FDirtyFlags(static_cast<std::size_t>(width * height), 0)
{
}

void TGameMap::SetTerrain(int x, int y, TGameTerrain terrain)
{
    FTerrain[Index(x, y)] = terrain;
    MarkDirty(x, y);
}

void TGameMap::SetUnit(int x, int y, TGameUnit* unit)
{
    FUnits[Index(x, y)] = unit;
    MarkDirty(x, y);
}

bool TGameMap::IsFree(int x, int y) const
{
    return GetTerrain(x, y) == gtEmpty && GetUnit(x, y) == nullptr;
}

bool TGameMap::IsPassable(int x, int y) const
{
    if (x < 0 || x >= FWidth || y < 0 || y >= FHeight || GetTerrain(x, y) != gtEmpty)
        return false;
    const TGameUnit* unit = GetUnit(x, y);
    return unit == nullptr || unit->Kind != ukPlayer;
}

int TGameMap::CountPassable(int x, int y) const
{
    return int(IsPassable(x - 1, y)) + int(IsPassable(x + 1, y)) + int(IsPassable(x, y - 1)) +
           int(IsPassable(x, y + 1));
}

void TGameMap::Clear()
{
    for (int x = 0; x < FWidth; ++x) {
        for (int y = 0; y < FHeight; ++y) {
            SetTerrain(x, y, gtEmpty);
            SetUnit(x, y, nullptr);
        }
    }
}

void TGameMap::MarkDirty(int x, int y)
{
    std::uint8_t& flag = FDirtyFlags[Index(x, y)];
    if (flag == 0) {
        flag = 1;
        FDirty.push_back({x, y});
    }
}

void TGameMap::ClearDirty()
{
    for (const TPoint& cell : FDirty)
        FDirtyFlags[Index(cell.X, cell.Y)] = 0;
    FDirty.clear();
}

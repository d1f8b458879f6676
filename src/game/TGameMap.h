#pragma once
// The field's cell grid: each cell's terrain and the unit standing on it,
// and the list of cells changed since the field was last drawn.

#include "Common.h"

#include <cstdint>
#include <vector>

class TGameUnit;

class TGameMap {
public:
    // A width x height grid, all gtEmpty, no units, nothing marked.
    TGameMap(int width, int height);
    virtual ~TGameMap() = default;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Every accessor below but IsPassable and CountPassable expects
    // 0 <= x < Width() and 0 <= y < Height().
    TGameTerrain GetTerrain(int x, int y) const { return FTerrain[Index(x, y)]; }
    // Stores the code and marks the cell, even when the code is unchanged.
    void SetTerrain(int x, int y, TGameTerrain terrain);
    TGameUnit* GetUnit(int x, int y) const { return FUnits[Index(x, y)]; }
    // Stores the pointer (not owned; may be null) and marks the cell.
    void SetUnit(int x, int y, TGameUnit* unit);

    // Empty terrain and no unit: where new things may be placed.
    bool IsFree(int x, int y) const;
    // Inside the grid, empty terrain, and no player there; any x, y.
    bool IsPassable(int x, int y) const;
    // Passable cells among the four neighbours (left, right, up, down): 0..4.
    int CountPassable(int x, int y) const;

    // Empties every cell and marks the whole grid, column by column.
    void Clear();

    // Appends the cell to the dirty list unless it is listed already.
    void MarkDirty(int x, int y);
    int DirtyCount() const { return static_cast<int>(FDirty.size()); }
    // 0 <= i < DirtyCount(), in the order the cells were first marked.
    TPoint DirtyCell(int i) const { return FDirty[static_cast<std::size_t>(i)]; }
    void ClearDirty();

private:
    // The grids are stored column by column: [x][y].
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(FHeight) +
               static_cast<std::size_t>(y);
    }

    int FWidth;
    int FHeight;
    std::vector<TGameTerrain> FTerrain;
    std::vector<TGameUnit*> FUnits;
    std::vector<TPoint> FDirty;
    std::vector<std::uint8_t> FDirtyFlags;
};

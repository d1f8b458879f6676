#pragma once
// What a player sees of a two-player game, copied out of the field so that
// the computer can try moves on it: the cells that block, the items worth
// points, both players' places and trails. It knows nothing the screen does
// not show: no item's remaining life, no future draw of the rules.

#include "Common.h"

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

class TGameField;

class TGameBoard {
public:
    // The field's two-player game as it stands.
    explicit TGameBoard(const TGameField& field);

    // Outside the field, not open ground, or a player there: as the rules'
    // IsPassable, on the copy.
    bool IsBlocked(TPoint cell) const;
    bool IsItem(TPoint cell) const { return Items[Index(cell)] != 0; }
    TPoint Place(int player) const { return Players[Index(player)].At; }
    int Score(int player) const { return Players[Index(player)].Score; }
    // Bit i set where key i's direction (Common::KeyDirection) leads onto
    // an open cell.
    unsigned OpenMoves(int player) const;
    // One step of the player, its trail following as the rules drag it; the
    // item on the new cell is picked up: a point.
    void Move(int player, int direction);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int CellCount() const { return FWidth * FHeight; }
    std::size_t Index(TPoint cell) const
    {
        return static_cast<std::size_t>(cell.Y) * static_cast<std::size_t>(FWidth) +
               static_cast<std::size_t>(cell.X);
    }

private:
    struct TPlayer {
        TPoint At;
        std::deque<TPoint> Trail;
        int Score = 0;
    };
    static std::size_t Index(int player) { return static_cast<std::size_t>(player); }

    int FWidth;
    int FHeight;
    std::vector<std::uint8_t> Blocked;
    std::vector<std::uint8_t> Items;
    std::array<TPlayer, 2> Players;
};

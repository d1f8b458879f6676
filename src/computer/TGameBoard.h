#pragma once
// What a player sees of a two-player game, copied out of the field so that
// the computer can try moves on it: the cells that block, the items worth
// points, both players' places, trails and the growth still due. It knows nothing the screen does
// not show: no item's remaining life, no future draw of the rules.

#include "Common.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class TGameField;

class TGameBoard {
public:
    // The field's two-player game as it stands.
    explicit TGameBoard(const TGameField& field);

    // Outside the field, not open ground, or a player there: as the rules'
    // IsPassable, on the copy.
    bool IsBlocked(TPoint cell) const;
    // The same by a cell's index, for the searches that visit every cell.
    // The field's edge always blocks: a step from an open cell stays on it.
    bool IsBlockedAt(std::size_t cell) const { return Blocked[cell] != 0; }
    bool IsItemAt(std::size_t cell) const { return Items[cell] != NoItem; }
    // How far the index moves with a step along each key's direction.
    std::array<std::ptrdiff_t, 4> IndexSteps() const
    {
        return {-1, 1, -static_cast<std::ptrdiff_t>(FWidth), FWidth};
    }
    TPoint Place(int player) const { return Players[Index(player)].At; }
    int Score(int player) const { return Players[Index(player)].Score; }
    // Bit i set where key i's direction (Common::KeyDirection) leads onto
    // an open cell.
    unsigned OpenMoves(int player) const;
    // What a step changed, for taking it back.
    struct TStep {
        TPoint From;
        int Growth;
        std::uint8_t Item;
        bool Grew;
        std::optional<TPoint> Freed;
    };
    // One step of the player, its trail following as the rules drag it; the
    // item on the new cell is picked up: a point.
    TStep Move(int player, int direction);
    // Takes back the player's last step, which Move returned; steps are
    // taken back newest first.
    void Undo(int player, const TStep& step);
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
        // Cells the trail still grows by, one a step.
        int Growth = 0;
    };
    static std::size_t Index(int player) { return static_cast<std::size_t>(player); }

    int FWidth;
    int FHeight;
    std::vector<std::uint8_t> Blocked;
    // What a step onto each cell would pick up.
    enum TItem : std::uint8_t { NoItem, Point, GrowingPoint };
    std::vector<std::uint8_t> Items;
    std::array<TPlayer, 2> Players;
};

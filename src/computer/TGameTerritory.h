#pragma once
// How good a position is for one player: the open cells it reaches before
// its opponent does (its territory) against those the opponent reaches
// first, its lead in points, and how near it stands to an item it would get
// first. A player
// with no way out has lost, whatever else the board holds.

#include "TGameBoard.h"

#include <vector>

class TGameTerritory {
public:
    static constexpr int Won = 1'000'000;
    static constexpr int Lost = -Won;

    // itemWeight: what an item next to the player is worth, in cells of
    // territory; farther items count for less. claimWeight: what each item
    // in a player's territory adds to it, in cells.
    TGameTerritory(int itemWeight, int claimWeight)
        : ItemWeight(itemWeight), ClaimWeight(claimWeight)
    {
    }

    // For player, whose opponent is the other one; either may move next.
    int Value(const TGameBoard& board, int player);

private:
    // Steps from the player's cell to every open cell it can reach.
    void Spread(const TGameBoard& board, int player, std::vector<int>& steps);

    int ItemWeight;
    int ClaimWeight;
    std::vector<int> Mine;
    std::vector<int> Theirs;
    std::vector<TPoint> Queue;
};

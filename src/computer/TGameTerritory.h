#pragma once
// How good a position is for one player: the open cells it reaches before
// its opponent does (its territory) against those the opponent reaches
// first, its lead in points, and how near it stands to an item it would get
// first. A player
// with no way out has lost, whatever else the board holds.

#include "TGameBoard.h"

#include <cstdint>
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
    // Who reaches each open cell first, and in how many steps: Reached
    // lists the cells either reaches, the players' own first.
    void Spread(const TGameBoard& board, int player);

    int ItemWeight;
    int ClaimWeight;
    std::vector<std::uint8_t> Owner;
    std::vector<int> Steps;
    std::vector<std::size_t> Reached;
};

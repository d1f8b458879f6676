#pragma once
// Looks ahead over both players' next moves, the player's own first, and
// takes the move whose worst answer leaves it best off (minimax with
// alpha-beta cuts). Depth counts the opponent's answers looked at: 0 judges
// the player's move alone.

#include "TGameBoard.h"
#include "TGameTerritory.h"

class TGameSearch {
public:
    TGameSearch(int depth, const TGameTerritory& territory) : Depth(depth), Territory(territory) {}

    // The direction (0..3, the keys' order) the player does best to take;
    // -1 where it has no way out.
    int BestMove(const TGameBoard& board, int player);

private:
    // The player to move: its best value, no worse than alpha to be of use.
    int Best(const TGameBoard& board, int player, int depth, int alpha, int beta);
    // The opponent to answer the player's move: the player's worst value.
    int Answer(const TGameBoard& board, int player, int depth, int alpha, int beta);

    int Depth;
    TGameTerritory Territory;
};

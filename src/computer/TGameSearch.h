#pragma once
// Looks ahead over both players' next moves and takes the move whose worst
// answer leaves the player best off (minimax with alpha-beta cuts). A tick
// moves player 1 first: the second player's key is held before it sees
// the first one's step, which may take the very cell it was heading for.
// Depth counts the ticks looked at; 0 judges the player's own step alone.

#include "TGameBoard.h"
#include "TGameTerritory.h"

class TGameSearch {
public:
    TGameSearch(int depth, const TGameTerritory& territory) : Depth(depth), Territory(territory) {}

    // The direction (0..3, the keys' order) the player does best to take;
    // -1 where it has no way out.
    int BestMove(const TGameBoard& position, int player);

private:
    // The player to choose a move: its best value, no worse than alpha.
    int Best(TGameBoard& board, int player, int depth, int alpha, int beta);
    // The opponent's answers to the player's move, each tick played out in
    // the rules' order: the player's worst value, no better than beta.
    int Answer(TGameBoard& board, int player, int move, int depth, int alpha, int beta);
    // Each open step of the opponent, then what follows it (then, given the
    // bound so far): the least of the values.
    template <typename TThen>
    int Answers(TGameBoard& board, int player, int alpha, int beta, TThen then);
    // The tick's end once the opponent has taken its step: the player's
    // step, where the opponent left the cell open, else another way out.
    int AfterTick(TGameBoard& board, int player, int move, int depth, int alpha, int beta);

    int Depth;
    TGameTerritory Territory;
};

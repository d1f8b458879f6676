#include "TGameSearch.h"

#include <algorithm>

int TGameSearch::BestMove(const TGameBoard& board, int player)
{
    const unsigned open = board.OpenMoves(player);
    int bestMove = -1;
    int bestValue = TGameTerritory::Lost - 1;
    for (int move = 0; move < 4; ++move) {
        if ((open & (1U << move)) == 0)
            continue;
        TGameBoard after = board;
        after.Move(player, move);
        const int value = Depth == 0 ? Territory.Value(after, player)
                                     : Answer(after, player, Depth, bestValue, TGameTerritory::Won);
        if (value > bestValue) {
            bestValue = value;
            bestMove = move;
        }
    }
    return bestMove;
}

int TGameSearch::Best(const TGameBoard& board, int player, int depth, int alpha, int beta)
{
    const unsigned open = board.OpenMoves(player);
    if (open == 0)
        return TGameTerritory::Lost;
    for (int move = 0; move < 4 && alpha < beta; ++move) {
        if ((open & (1U << move)) == 0)
            continue;
        TGameBoard after = board;
        after.Move(player, move);
        alpha = std::max(alpha, Answer(after, player, depth, alpha, beta));
    }
    return alpha;
}

int TGameSearch::Answer(const TGameBoard& board, int player, int depth, int alpha, int beta)
{
    const int opponent = 1 - player;
    const unsigned open = board.OpenMoves(opponent);
    if (open == 0)
        return TGameTerritory::Won;
    for (int move = 0; move < 4 && alpha < beta; ++move) {
        if ((open & (1U << move)) == 0)
            continue;
        TGameBoard after = board;
        after.Move(opponent, move);
        const int value = depth == 1 ? Territory.Value(after, player)
                                     : Best(after, player, depth - 1, alpha, beta);
        beta = std::min(beta, value);
    }
    return beta;
}

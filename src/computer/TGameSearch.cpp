#include "TGameSearch.h"

#include <algorithm>
#include <bit>

namespace {

// A step on the board for as long as it lives: taken back when it goes.
class TTrial {
public:
    TTrial(TGameBoard& board, int player, int move)
        : Board(board), Player(player), Step(board.Move(player, move))
    {
    }
    ~TTrial() { Board.Undo(Player, Step); }
    TTrial(const TTrial&) = delete;
    TTrial& operator=(const TTrial&) = delete;

private:
    TGameBoard& Board;
    int Player;
    TGameBoard::TStep Step;
};

} // namespace

int TGameSearch::BestMove(const TGameBoard& position, int player)
{
    TGameBoard board = position;
    const unsigned open = board.OpenMoves(player);
    int bestMove = -1;
    int bestValue = TGameTerritory::Lost - 1;
    for (int move = 0; move < 4; ++move) {
        if ((open & (1U << move)) == 0)
            continue;
        int value = 0;
        if (Depth == 0) {
            const TTrial step(board, player, move);
            value = Territory.Value(board, player);
        } else {
            value = Answer(board, player, move, Depth, bestValue, TGameTerritory::Won);
        }
        if (value > bestValue) {
            bestValue = value;
            bestMove = move;
        }
    }
    return bestMove;
}

int TGameSearch::Best(TGameBoard& board, int player, int depth, int alpha, int beta)
{
    const unsigned open = board.OpenMoves(player);
    if (open == 0)
        return TGameTerritory::Lost;
    for (int move = 0; move < 4 && alpha < beta; ++move) {
        if ((open & (1U << move)) != 0)
            alpha = std::max(alpha, Answer(board, player, move, depth, alpha, beta));
    }
    return alpha;
}

int TGameSearch::Answer(TGameBoard& board, int player, int move, int depth, int alpha, int beta)
{
    // Player 1 steps first: its own move comes before the answer.
    if (player == 0) {
        const TTrial step(board, player, move);
        return Answers(board, player, alpha, beta, [&](int bound) {
            return depth == 1 ? Territory.Value(board, player)
                              : Best(board, player, depth - 1, alpha, bound);
        });
    }
    return Answers(board, player, alpha, beta,
                   [&](int bound) { return AfterTick(board, player, move, depth, alpha, bound); });
}

template <typename TThen>
int TGameSearch::Answers(TGameBoard& board, int player, int alpha, int beta, TThen then)
{
    const int opponent = 1 - player;
    const unsigned open = board.OpenMoves(opponent);
    if (open == 0)
        return TGameTerritory::Won;
    for (int answer = 0; answer < 4 && alpha < beta; ++answer) {
        if ((open & (1U << answer)) == 0)
            continue;
        const TTrial step(board, opponent, answer);
        beta = std::min(beta, then(beta));
    }
    return beta;
}

int TGameSearch::AfterTick(TGameBoard& board, int player, int move, int depth, int alpha, int beta)
{
    const unsigned open = board.OpenMoves(player);
    if (open == 0)
        return TGameTerritory::Lost;
    // Taken from under it: the rules turn it another way.
    if ((open & (1U << move)) == 0)
        move = std::countr_zero(open);
    const TTrial step(board, player, move);
    return depth == 1 ? Territory.Value(board, player)
                      : Best(board, player, depth - 1, alpha, beta);
}

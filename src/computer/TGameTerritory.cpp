#include "TGameTerritory.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int Unreached = std::numeric_limits<int>::max();
// A cell of territory outweighs any item: room to move keeps a player alive.
constexpr int CellWorth = 16;

} // namespace

int TGameTerritory::Value(const TGameBoard& board, int player)
{
    const int opponent = 1 - player;
    if (board.OpenMoves(player) == 0)
        return Lost;
    if (board.OpenMoves(opponent) == 0)
        return Won;
    Spread(board, player, Mine);
    Spread(board, opponent, Theirs);
    int value = 0;
    int nearestItem = Unreached;
    for (int y = 0; y < board.Height(); ++y) {
        for (int x = 0; x < board.Width(); ++x) {
            const std::size_t cell = board.Index(TPoint{x, y});
            if (Mine[cell] < Theirs[cell]) {
                value += CellWorth;
                if (board.IsItem(TPoint{x, y})) {
                    nearestItem = std::min(nearestItem, Mine[cell]);
                    value += ClaimWeight * CellWorth;
                }
            } else if (Theirs[cell] < Mine[cell]) {
                value -= CellWorth + (board.IsItem(TPoint{x, y}) ? ClaimWeight * CellWorth : 0);
            }
        }
    }
    // A point scored outweighs standing next to the next item.
    const int itemWorth = ItemWeight * CellWorth;
    value += 2 * itemWorth * (board.Score(player) - board.Score(opponent));
    if (nearestItem != Unreached)
        value += itemWorth / nearestItem;
    return value;
}

void TGameTerritory::Spread(const TGameBoard& board, int player, std::vector<int>& steps)
{
    steps.assign(static_cast<std::size_t>(board.CellCount()), Unreached);
    Queue.clear();
    Queue.push_back(board.Place(player));
    steps[board.Index(Queue.front())] = 0;
    for (std::size_t next = 0; next < Queue.size(); ++next) {
        const TPoint from = Queue[next];
        const int step = steps[board.Index(from)] + 1;
        for (const TPoint& direction : Common::KeyDirection) {
            const TPoint to{from.X + direction.X, from.Y + direction.Y};
            if (board.IsBlocked(to) || steps[board.Index(to)] != Unreached)
                continue;
            steps[board.Index(to)] = step;
            Queue.push_back(to);
        }
    }
}

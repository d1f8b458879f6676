#include "TGameTerritory.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int Unreached = std::numeric_limits<int>::max();
constexpr std::uint8_t Mine = 1;
constexpr std::uint8_t Theirs = 2;
constexpr std::uint8_t Both = Mine | Theirs;
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
    Spread(board, player);
    int value = 0;
    int nearestItem = Unreached;
    for (const std::size_t cell : Reached) {
        if (Owner[cell] == Both)
            continue;
        const int claim = CellWorth + (board.IsItemAt(cell) ? ClaimWeight * CellWorth : 0);
        value += Owner[cell] == Mine ? claim : -claim;
        if (Owner[cell] == Mine && board.IsItemAt(cell))
            nearestItem = std::min(nearestItem, Steps[cell]);
    }
    // A point scored outweighs standing next to the next item.
    const int itemWorth = ItemWeight * CellWorth;
    value += 2 * itemWorth * (board.Score(player) - board.Score(opponent));
    if (nearestItem != Unreached)
        value += itemWorth / nearestItem;
    return value;
}

void TGameTerritory::Spread(const TGameBoard& board, int player)
{
    Owner.assign(static_cast<std::size_t>(board.CellCount()), 0);
    Steps.resize(Owner.size());
    Reached.clear();
    for (const int each : {player, 1 - player}) {
        const std::size_t cell = board.Index(board.Place(each));
        Owner[cell] = each == player ? Mine : Theirs;
        Steps[cell] = 0;
        Reached.push_back(cell);
    }
    // Breadth first from both at once: a cell both reach in as many steps
    // is no one's.
    const std::array<std::ptrdiff_t, 4> moves = board.IndexSteps();
    for (std::size_t next = 0; next < Reached.size(); ++next) {
        const std::size_t from = Reached[next];
        const int step = Steps[from] + 1;
        for (const std::ptrdiff_t move : moves) {
            const std::size_t to = from + static_cast<std::size_t>(move);
            if (board.IsBlockedAt(to))
                continue;
            if (Owner[to] == 0) {
                Owner[to] = Owner[from];
                Steps[to] = step;
                Reached.push_back(to);
            } else if (Steps[to] == step) {
                Owner[to] |= Owner[from];
            }
        }
    }
}

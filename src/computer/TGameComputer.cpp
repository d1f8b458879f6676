#include "TGameComputer.h"

#include "Common.h"
#include "TGameBoard.h"
#include "TGameField.h"
#include "TGamePlayerUnit.h"

#include <bit>

TGameComputer::TGameComputer(int player, TGameLevel level, std::uint64_t seed)
    : Player(player), Strength(TGameStrength::Of(level)),
      Search(Strength.Depth, TGameTerritory(Strength.ItemWeight, Strength.ClaimWeight)), State(seed)
{
}

void TGameComputer::Think(const TGameField& field)
{
    Held = -1;
    if (field.Over || field.Players.size() != 2 ||
        field.Players[static_cast<std::size_t>(Player)]->Stuck)
        return;
    const TGameBoard board(field);
    const unsigned open = board.OpenMoves(Player);
    if (Strength.WanderPercent > 0 && open != 0 &&
        Draw() % 100 < static_cast<std::uint64_t>(Strength.WanderPercent))
        Held = Wander(open);
    else
        Held = Search.BestMove(board, Player);
}

bool TGameComputer::IsKeyDown(int keyCode) const
{
    return Held >= 0 &&
           keyCode ==
               Common::KeyTable[static_cast<std::size_t>(Player)][static_cast<std::size_t>(Held)];
}

int TGameComputer::Wander(unsigned open)
{
    auto pick = static_cast<int>(Draw() % static_cast<std::uint64_t>(std::popcount(open)));
    for (int move = 0;; ++move) {
        if ((open & (1U << move)) != 0 && pick-- == 0)
            return move;
    }
}

std::uint64_t TGameComputer::Draw()
{
    // splitmix64: small, fast, and good enough for a player's whims.
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = State;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

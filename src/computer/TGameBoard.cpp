#include "TGameBoard.h"

#include "TGameField.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"

TGameBoard::TGameBoard(const TGameField& field)
    : FWidth(field.Map.Width()), FHeight(field.Map.Height()),
      Blocked(static_cast<std::size_t>(CellCount())), Items(Blocked.size())
{
    for (int x = 0; x < FWidth; ++x) {
        for (int y = 0; y < FHeight; ++y) {
            const std::size_t cell = Index(TPoint{x, y});
            Blocked[cell] = field.Map.IsPassable(x, y) ? 0 : 1;
            const TGameUnit* unit = field.Map.GetUnit(x, y);
            // A stamp is worth nothing, and soon turns into a bush.
            if (unit != nullptr && unit->Kind == ukTarget &&
                static_cast<const TGameTargetUnit*>(unit)->Item != itStamp)
                Items[cell] = 1;
        }
    }
    for (const TGamePlayerUnit* player : field.Players)
        Players[Index(player->Index)] = {{player->X, player->Y}, player->Trail, player->Score};
}

bool TGameBoard::IsBlocked(TPoint cell) const
{
    return cell.X < 0 || cell.Y < 0 || cell.X >= FWidth || cell.Y >= FHeight ||
           Blocked[Index(cell)] != 0;
}

unsigned TGameBoard::OpenMoves(int player) const
{
    const TPoint at = Place(player);
    unsigned open = 0;
    for (std::size_t i = 0; i < Common::KeyDirection.size(); ++i) {
        const TPoint step = Common::KeyDirection[i];
        if (!IsBlocked(TPoint{at.X + step.X, at.Y + step.Y}))
            open |= 1U << i;
    }
    return open;
}

void TGameBoard::Move(int player, int direction)
{
    TPlayer& moving = Players[Index(player)];
    const TPoint left = moving.At;
    const TPoint step = Common::KeyDirection[static_cast<std::size_t>(direction)];
    moving.At = TPoint{left.X + step.X, left.Y + step.Y};
    Blocked[Index(moving.At)] = 1;
    moving.Score += Items[Index(moving.At)];
    Items[Index(moving.At)] = 0;
    // A trail keeps its length: the cell left joins it, its oldest comes free.
    if (moving.Trail.empty()) {
        Blocked[Index(left)] = 0;
        return;
    }
    moving.Trail.push_front(left);
    Blocked[Index(moving.Trail.back())] = 0;
    moving.Trail.pop_back();
}

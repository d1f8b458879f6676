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
            const bool edge = x == 0 || y == 0 || x == FWidth - 1 || y == FHeight - 1;
            Blocked[cell] = edge || !field.Map.IsPassable(x, y) ? 1 : 0;
            const TGameUnit* unit = field.Map.GetUnit(x, y);
            if (unit == nullptr || unit->Kind != ukTarget)
                continue;
            // A stamp is worth nothing, and soon turns into a bush.
            const TGameItemEffect& effect = static_cast<const TGameTargetUnit*>(unit)->Effect();
            if (effect.Points > 0)
                Items[cell] = effect.Growth > 0 ? GrowingPoint : Point;
        }
    }
    for (const TGamePlayerUnit* player : field.Players)
        Players[Index(player->Index)] = {
            {player->X, player->Y}, player->Trail, player->Score, player->Growth};
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

TGameBoard::TStep TGameBoard::Move(int player, int direction)
{
    TPlayer& moving = Players[Index(player)];
    const TPoint left = moving.At;
    const TPoint step = Common::KeyDirection[static_cast<std::size_t>(direction)];
    moving.At = TPoint{left.X + step.X, left.Y + step.Y};
    Blocked[Index(moving.At)] = 1;
    std::uint8_t& item = Items[Index(moving.At)];
    TStep done{left, moving.Growth, item, false, std::nullopt};
    moving.Score += item != NoItem ? 1 : 0;
    moving.Growth += item == GrowingPoint ? 1 : 0;
    item = NoItem;
    // As the rules drag it: the cell left joins the trail, and its oldest
    // cell comes free unless the trail is still growing.
    done.Grew = !moving.Trail.empty() || moving.Growth > 0;
    if (done.Grew)
        moving.Trail.push_front(left);
    else
        Blocked[Index(left)] = 0;
    if (!moving.Trail.empty() && moving.Growth <= 0) {
        done.Freed = moving.Trail.back();
        Blocked[Index(*done.Freed)] = 0;
        moving.Trail.pop_back();
    }
    if (moving.Growth > 0)
        --moving.Growth;
    return done;
}

void TGameBoard::Undo(int player, const TStep& step)
{
    TPlayer& moving = Players[Index(player)];
    if (step.Freed) {
        moving.Trail.push_back(*step.Freed);
        Blocked[Index(*step.Freed)] = 1;
    }
    if (step.Grew)
        moving.Trail.pop_front();
    Blocked[Index(step.From)] = 1;
    Blocked[Index(moving.At)] = 0;
    Items[Index(moving.At)] = step.Item;
    moving.Score -= step.Item != NoItem ? 1 : 0;
    moving.Growth = step.Growth;
    moving.At = step.From;
}

#include "TGamePlayerUnit.h"

#include "Random.h"
#include "TGameField.h"
#include "TGameSoundSink.h"
#include "TGameTargetUnit.h"

#include <utility>

namespace {

using Common::KeyDirection;

constexpr int BlinkOneIn = 60;

} // namespace

TGamePlayerUnit::TGamePlayerUnit(int index) : TGameUnit(ukPlayer), Index(index)
{
    Sprite = BaseSprite();
}

void TGamePlayerUnit::Step(TGameField& field, const TGamePads& pads, TGameSoundSink& sound)
{
    if (Stuck || AtHome)
        return;
    Sprite = BaseSprite() + (Random::Draw() % BlinkOneIn == 0 ? 1 : 0);
    field.Map.MarkDirty(X, Y);

    // Tested before the player waits for a direction: a player walled in at
    // the start is stuck without ever pressing a key.
    if (field.Map.CountPassable(X, Y) == 0) {
        Stuck = true;
        Sprite = BaseSprite() + 2;
        return;
    }
    const TPoint request = RequestedDirection(*pads[static_cast<std::size_t>(Index)]);
    if (request == TPoint{} && Dx == 0 && Dy == 0)
        return;
    ChooseDirection(field.Map, request, sound);
    Move(field, sound);
}

TPoint TGamePlayerUnit::RequestedDirection(const TGamePad& pad)
{
    // The newest key still held wins; else the newest key tapped since the
    // last tick, so a tap between two ticks still steers once.
    for (int pos = 0; pos < 4; ++pos) {
        const int key = pad.HeldAt(pos);
        if (key >= 0 && key <= 3)
            return KeyDirection[static_cast<std::size_t>(key)];
    }
    for (int pos = 0; pos < 4; ++pos) {
        const int key = pad.PressedAt(pos);
        if (key >= 0 && key <= 3)
            return KeyDirection[static_cast<std::size_t>(key)];
    }
    return {};
}

std::array<TPoint, 8> TGamePlayerUnit::Candidates(TPoint request) const
{
    std::array<TPoint, 8> candidates = {
        request,         TPoint{Dx, Dy},  TPoint{LastDx, 0}, TPoint{0, LastDy},
        KeyDirection[0], KeyDirection[1], KeyDirection[2],   KeyDirection[3],
    };
    for (std::size_t i = 0; i < 4; ++i)
        std::swap(candidates[4 + i], candidates[4 + static_cast<std::size_t>(Random::Draw() % 4)]);
    return candidates;
}

void TGamePlayerUnit::ChooseDirection(const TGameMap& map, TPoint request, TGameSoundSink& sound)
{
    bool blocked = false;
    for (const TPoint& candidate : Candidates(request)) {
        if (candidate == TPoint{})
            continue;
        if (!map.IsPassable(X + candidate.X, Y + candidate.Y)) {
            blocked = true;
            continue;
        }
        // Only a forced right-angle turn in the open is heard; a reversal or
        // a first move never differs from the current step on both axes.
        const bool rightAngle = candidate.X != Dx && candidate.Y != Dy;
        if (rightAngle && blocked && map.CountPassable(X, Y) >= 2)
            sound.Play(Common::sndCollision);
        Dx = candidate.X;
        Dy = candidate.Y;
        break;
    }
    if (Dx != 0)
        LastDx = Dx;
    if (Dy != 0)
        LastDy = Dy;
}

void TGamePlayerUnit::Move(TGameField& field, TGameSoundSink& sound)
{
    TGameMap& map = field.Map;
    // The home keeps its cell when the player walks off it.
    const TGameUnit* here = map.GetUnit(X, Y);
    if (here == nullptr || here->Kind != ukHome)
        map.SetUnit(X, Y, nullptr);

    const TPoint left{X, Y};
    X += Dx;
    Y += Dy;

    TGameUnit* found = map.GetUnit(X, Y);
    if (found != nullptr && found->Kind == ukHome) {
        AtHome = true;
        Score += static_cast<int>(Trail.size());
    } else {
        map.SetUnit(X, Y, this);
        if (found != nullptr)
            PickUp(field, static_cast<TGameTargetUnit&>(*found), sound);
    }
    DragTrail(map, left);
}

void TGamePlayerUnit::PickUp(TGameField& field, TGameTargetUnit& item, TGameSoundSink& sound)
{
    const TGameItemEffect& effect = item.Effect();
    item.Alive = false;
    Score += effect.Points;
    Growth += effect.Growth;
    field.Message = effect.Message;
    sound.Play(effect.Sound);
}

void TGamePlayerUnit::DragTrail(TGameMap& map, TPoint left)
{
    if (!Trail.empty() || Growth > 0) {
        map.SetTerrain(left.X, left.Y, gtTrail);
        Trail.push_front(left);
    }
    if (!Trail.empty() && Growth <= 0) {
        const TPoint oldest = Trail.back();
        Trail.pop_back();
        map.SetTerrain(oldest.X, oldest.Y, gtEmpty);
    }
    if (Growth > 0)
        --Growth;
}

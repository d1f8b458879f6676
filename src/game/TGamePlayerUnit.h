#pragma once
// A player: moves one cell per tick once it has a direction, picks its way
// around obstacles, picks items up and drags a trail of the cakes it ate.

#include "Common.h"
#include "TGameUnit.h"

#include <array>
#include <deque>

class TGameMap;
class TGameTargetUnit;

class TGamePlayerUnit : public TGameUnit {
public:
    // 0 <= index <= 1: player 1 or player 2.
    explicit TGamePlayerUnit(int index);

    void Step(TGameField& field, const TGamePads& pads, TGameSoundSink& sound) override;

    const int Index;
    // Both final for the game: the player never moves again.
    bool Stuck = false;
    bool AtHome = false;
    // The current step, and the last non-zero step along each axis.
    int Dx = 0;
    int Dy = 0;
    int LastDx = 0;
    int LastDy = 0;
    // Newest cell at the front; always as long as the number of cakes eaten.
    std::deque<TPoint> Trail;
    // Trail growth still to come within the current step.
    int Growth = 0;
    int Score = 0;

private:
    int BaseSprite() const { return 10 + 10 * Index; }
    static TPoint RequestedDirection(const TGamePad& pad);
    std::array<TPoint, 8> Candidates(TPoint request) const;
    void ChooseDirection(const TGameMap& map, TPoint request, TGameSoundSink& sound);
    void Move(TGameField& field, TGameSoundSink& sound);
    void PickUp(TGameField& field, TGameTargetUnit& item, TGameSoundSink& sound);
    void DragTrail(TGameMap& map, TPoint left);
};

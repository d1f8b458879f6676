#pragma once
// Anything that stands on a cell and acts on every tick: players, the home,
// and the items.

#include "TGamePad.h"

#include <cstdint>

class TGameField;
class TGameSoundSink;

enum TGameUnitKind : std::uint8_t { ukPlayer = 0, ukTarget = 1, ukHome = 2 };

class TGameUnit {
public:
    explicit TGameUnit(TGameUnitKind kind) : Kind(kind) {}
    virtual ~TGameUnit() = default;
    TGameUnit(const TGameUnit&) = delete;
    TGameUnit& operator=(const TGameUnit&) = delete;

    // Once per tick, in the field's unit order, while the unit is Alive.
    virtual void Step(TGameField& field, const TGamePads& pads, TGameSoundSink& sound) = 0;

    const TGameUnitKind Kind;
    int X = 0;
    int Y = 0;
    // Cleared once an item is picked up or expires; the field then deletes it.
    bool Alive = true;
    // The sprite code the unit's cell is drawn with.
    int Sprite = 0;
};

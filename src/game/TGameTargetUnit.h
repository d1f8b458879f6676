#pragma once
// A collectable item. Left lying it expires: a cake becomes a stamp, a stamp
// becomes a bush, a gelato vanishes.

#include "TGameUnit.h"

#include <cstdint>

enum TGameItem : std::uint8_t { itCake = 0, itStamp = 1, itGelato = 2 };

// What picking an item up gives the player.
struct TGameItemEffect {
    int Points;
    int Growth;
    const char* Message;
    int Sound;
};

class TGameTargetUnit : public TGameUnit {
public:
    // Draws the item's Life from the process-wide generator.
    explicit TGameTargetUnit(TGameItem item);

    // Counts Life down; at 0 the item dies and leaves its successor behind.
    void Step(TGameField& field, const TGamePads& pads, TGameSoundSink& sound) override;

    const TGameItemEffect& Effect() const;

    const TGameItem Item;
    // Ticks left before the item expires.
    int Life;
};

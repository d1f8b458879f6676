#pragma once
// A player steered by the computer. It is a keyboard that its player's pad
// polls instead of the real one: once a tick, before the pads are polled,
// Think looks at the field as a player sees it and holds the key of the
// way it chooses. Its own generator, seeded once, makes its random choices:
// it never draws from the rules' generator, so a game against it replays
// exactly.

#include "TGameKeyboard.h"
#include "TGameSearch.h"
#include "TGameStrength.h"

#include <cstdint>

class TGameField;

class TGameComputer : public TGameKeyboard {
public:
    // player: 0 or 1, whose keys (Common::KeyTable) it holds.
    TGameComputer(int player, TGameLevel level, std::uint64_t seed);

    // Chooses the key to hold for the coming tick; none once the game is
    // over or its player stuck.
    void Think(const TGameField& field);
    bool IsKeyDown(int keyCode) const override;

private:
    int Wander(unsigned open);
    std::uint64_t Draw();

    int Player;
    TGameStrength Strength;
    TGameSearch Search;
    std::uint64_t State;
    // The key index held (0..3), or -1.
    int Held = -1;
};

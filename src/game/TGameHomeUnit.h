#pragma once
// The one-player game's home: the player starts here and ends the game by
// walking back in.

#include "TGameUnit.h"

class TGameHomeUnit : public TGameUnit {
public:
    TGameHomeUnit() : TGameUnit(ukHome) { Sprite = 40; }
    void Step(TGameField&, const TGamePads&, TGameSoundSink&) override {}
};

#pragma once
// The keyboard's present state, asked by the pads on every tick so that a
// key event that never reached the game is repaired.

class TGameKeyboard {
public:
    virtual ~TGameKeyboard() = default;
    // Whether the key with this virtual-key code is down at this moment.
    virtual bool IsKeyDown(int keyCode) const = 0;
};

#pragma once
// The keyboard as a script drives it: every key up until it goes down.

#include "TGameKeyboard.h"

#include <set>

class TReplayKeyboard : public TGameKeyboard {
public:
    bool IsKeyDown(int keyCode) const override { return Down.contains(keyCode); }
    void Press(int keyCode) { Down.insert(keyCode); }
    void Release(int keyCode) { Down.erase(keyCode); }

private:
    std::set<int> Down;
};

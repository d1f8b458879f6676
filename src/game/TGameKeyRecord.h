#pragma once
// The keyboard as the key events describe it: a key is down from its press
// to its release. Where no event can be trusted to arrive (the release of a
// key let go in another window), the owner clears the record.

#include "TGameKeyboard.h"

#include <set>

class TGameKeyRecord : public TGameKeyboard {
public:
    bool IsKeyDown(int keyCode) const override { return Down.contains(keyCode); }
    void Press(int keyCode) { Down.insert(keyCode); }
    void Release(int keyCode) { Down.erase(keyCode); }
    void Clear() { Down.clear(); }

private:
    std::set<int> Down;
};

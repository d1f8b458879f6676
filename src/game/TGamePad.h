#pragma once
// One player's keys: which are held now and which were pressed since the
// last tick, newest first. Key indices 0..3 mean left, right, up, down.

#include <array>
#include <span>
#include <vector>

class TGameKeyboard;

class TGamePad {
public:
    TGamePad() = default;
    virtual ~TGamePad() = default;

    // Resizes the key table (new codes 0) and forgets held and pressed keys;
    // the same count changes nothing.
    void SetKeyCount(int count);
    // 0 <= index < key count.
    void SetKey(int index, int keyCode);
    // SetKeyCount and SetKey for each code in key-index order.
    void SetKeys(std::span<const int> keyCodes);

    // Codes that are not among the pad's keys are ignored.
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);
    // Brings the pad in line with the keyboard's present state, in key-index
    // order, so lost key events are repaired on the next tick.
    void PollKeys(const TGameKeyboard& keyboard);

    // The key index at that position (0 = newest), or -1 past the end.
    int HeldAt(int pos) const { return At(Held, pos); }
    int PressedAt(int pos) const { return At(Pressed, pos); }
    void ClearPressed() { Pressed.clear(); }

private:
    static int At(const std::vector<int>& list, int pos);
    static void MoveToFront(std::vector<int>& list, int index);
    int KeyIndex(int keyCode) const;

    std::vector<int> Keys;
    std::vector<int> Held;
    std::vector<int> Pressed;
};

// The two players' pads, player 1 first.
using TGamePads = std::array<const TGamePad*, 2>;

#pragma once
// One controller's four directions, key indices 0..3 (left, right, up,
// down), from its d-pad and from its left stick. Each source keeps its own
// state; a direction is down while either source holds it.

#include <array>
#include <bitset>

class TGameGamepad {
public:
    using TDirections = std::bitset<4>;

    // 0 <= keyIndex <= 3.
    void SetDpad(int keyIndex, bool down);
    // An axis of the left stick, -32768 (left, up) to 32767 (right, down).
    void SetStickX(int value) { StickX = value; }
    void SetStickY(int value) { StickY = value; }

    // The directions held by the d-pad or the stick.
    TDirections Directions() const;

private:
    // Past half its travel the stick points along its larger axis (the
    // horizontal one on a tie); inside that zone it gives no direction.
    int StickDirection() const;

    std::array<bool, 4> Dpad{};
    int StickX = 0;
    int StickY = 0;
};

#pragma once
// What a controller did, told as the keyboard would tell it: a key of the
// key table going down or up, or a player's Start button.

#include <cstdint>

enum TGameGamepadEventKind : std::uint8_t { gekKeyDown, gekKeyUp, gekStart };

struct TGameGamepadEvent {
    TGameGamepadEventKind Kind = gekKeyDown;
    // The virtual-key code, or for gekStart the player, 0 or 1.
    int Value = 0;
    friend bool operator==(const TGameGamepadEvent&, const TGameGamepadEvent&) = default;
};

#include "TGameGamepad.h"

#include <cstdlib>

namespace {

// Half of the 32768 steps from the centre to either end.
constexpr int HalfTravel = 16384;

} // namespace

void TGameGamepad::SetDpad(int keyIndex, bool down)
{
    Dpad[static_cast<std::size_t>(keyIndex)] = down;
}

TGameGamepad::TDirections TGameGamepad::Directions() const
{
    TDirections held;
    for (std::size_t i = 0; i < Dpad.size(); ++i)
        held[i] = Dpad[i];
    const int stick = StickDirection();
    if (stick >= 0)
        held.set(static_cast<std::size_t>(stick));
    return held;
}

int TGameGamepad::StickDirection() const
{
    const int x = std::abs(StickX);
    const int y = std::abs(StickY);
    if (x >= y)
        return x >= HalfTravel ? (StickX < 0 ? 0 : 1) : -1;
    return y >= HalfTravel ? (StickY < 0 ? 2 : 3) : -1;
}

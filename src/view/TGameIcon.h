#pragma once
// The game's icon: the boy's face from the sprites, every pixel enlarged to
// a square block, so the desktop shows the game's own pixel art at any size.

#include <QIcon>
#include <QImage>

#include <array>

class TGameIcon {
public:
    // The sizes the desktop's icon theme gets, in pixels: whole multiples of
    // the sprites' 16, so no pixel comes out wider than another.
    static constexpr std::array<int, 6> Sizes = {16, 32, 48, 64, 128, 256};

    // The face at size x size, scaled by nearest neighbour.
    static QImage Image(int size);
    // The face at every one of Sizes; needs the application object.
    static QIcon Icon();
};

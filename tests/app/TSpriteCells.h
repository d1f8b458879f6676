#pragma once
// The sprites as the picture must show them, for tests that compare pixels.

#include "TGameSpriteList.h"

#include <QImage>

// The game's own sheet, loaded once.
const TGameSpriteList& Sprites();
// A 16 x 16 cell of ground with the image's opaque pixels over it; image -1
// is bare ground.
QImage SpriteOver(int image, QRgb ground);
// Whether the 16 x 16 block of picture at (left, top) is ground alone or any
// one sprite over it.
bool ShowsGroundOrASprite(const QImage& picture, int left, int top, QRgb ground);

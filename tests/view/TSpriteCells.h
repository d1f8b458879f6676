#pragma once
// The sprites as the picture must show them, for tests that compare pixels.

#include "TGameSpriteList.h"

#include <QImage>

// The game's own sheet, loaded once.
const TGameSpriteList& Sprites();
// A 16 x 16 cell of ground with the image's opaque pixels over it; image -1 is bare ground.
QImage SpriteOver(int image, QRgb ground);
// The smallest rectangle of area holding every pixel of white text (anti-
// aliased edges aside); null when there is none.
QRect InkBounds(const QImage& picture, const QRect& area);
// The share of the image's opaque pixels that the picture shows unchanged
// with the image's top left corner at (left, top).
double ShareShown(const QImage& picture, int left, int top, const QImage& image);

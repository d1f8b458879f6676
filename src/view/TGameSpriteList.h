#pragma once
// The twelve sprites as Qt images, cut from one sheet of 16 x 16 slots four
// to a row; transparent pixels are where a sprite leaves the cell's ground.

#include "TGameCanvas.h"

#include <QImage>

#include <vector>

class TGameSpriteList : public TGameImageList {
public:
    // No sprites at all: drawing from it draws nothing.
    TGameSpriteList() = default;
    // Image i from the slot at column i mod 4, row i div 4 of sheet; as many
    // images as Common::ImageCount, fewer when the sheet is too small.
    explicit TGameSpriteList(const QImage& sheet);
    // The game's own sheet, built into the program.
    static TGameSpriteList Builtin();

    int Count() const override { return static_cast<int>(Images.size()); }
    // 0 <= index < Count().
    const QImage& Image(int index) const { return Images[static_cast<std::size_t>(index)]; }

private:
    std::vector<QImage> Images;
};

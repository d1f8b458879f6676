#pragma once
// The drawing surface the rules paint on. The shell implements it on an
// offscreen picture; the replay tool records the calls instead.

#include "Common.h"

#include <optional>
#include <string>

// The sprite images, 16 x 16 each with a transparency mask. The rules only
// pass it through to the canvas that knows how to draw it.
class TGameImageList {
public:
    virtual ~TGameImageList() = default;
    virtual int Count() const = 0;
};

struct TSize {
    int Width = 0;
    int Height = 0;
};

class TGameCanvas {
public:
    virtual ~TGameCanvas() = default;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // Image 0 <= index < images.Count(), top left corner at (x, y), masked.
    virtual void DrawImage(const TGameImageList& images, int index, int x, int y) = 0;
    // Width and height of the text in the canvas font.
    virtual TSize TextExtent(const std::string& text) = 0;
    // Top left corner of the text at (x, y); no background means transparent.
    virtual void TextOut(int x, int y, const std::string& text, TColor color,
                         std::optional<TColor> background) = 0;
};

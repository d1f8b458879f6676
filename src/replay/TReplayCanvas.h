#pragma once
// A canvas that records what the rules draw instead of painting it: the
// cells repainted, with the image drawn into each, and the texts written.

#include "TGameCanvas.h"

#include <string>
#include <vector>

// Stands for the twelve sprites where nothing is painted.
class TReplayImageList : public TGameImageList {
public:
    int Count() const override { return Common::ImageCount; }
};

class TReplayCanvas : public TGameCanvas {
public:
    static constexpr int NoImage = -1;
    // Every glyph is this wide and every text this high.
    static constexpr int GlyphWidth = 9;
    static constexpr int TextHeight = 19;

    struct TCell {
        TPoint Cell;
        int Image = NoImage;
    };
    struct TText {
        int X = 0;
        int Y = 0;
        std::string Text;
        bool Opaque = false;
    };

    void FillRect(const TRect& rect, TColor color) override;
    void DrawImage(const TGameImageList& images, int index, int x, int y) override;
    TSize TextExtent(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text, TColor color,
                 std::optional<TColor> background) override;

    // Forgets everything recorded so far.
    void Clear();

    // Cells in the order they were filled with ground.
    std::vector<TCell> Cells;
    std::vector<TText> Texts;
    // Images drawn outside any cell fill (none, when the rules are right).
    int StrayImages = 0;
};

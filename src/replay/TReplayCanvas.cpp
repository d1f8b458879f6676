#include "TReplayCanvas.h"

void TReplayCanvas::FillRect(const TRect& rect, TColor)
{
    constexpr int size = Common::CellSize;
    const bool isCell = rect.Width() == size && rect.Height() == size && rect.Left % size == 0 &&
                        rect.Top % size == 0 && rect.Bottom <= Common::FieldRect.Bottom;
    if (isCell)
        Cells.push_back({{rect.Left / size, rect.Top / size}, NoImage});
}

void TReplayCanvas::DrawImage(const TGameImageList&, int index, int x, int y)
{
    const bool onLastCell = !Cells.empty() && Cells.back().Image == NoImage &&
                            Cells.back().Cell == TPoint{x / Common::CellSize, y / Common::CellSize};
    if (onLastCell)
        Cells.back().Image = index;
    else
        ++StrayImages;
}

TSize TReplayCanvas::TextExtent(const std::string& text)
{
    return {GlyphWidth * static_cast<int>(text.size()), TextHeight};
}

void TReplayCanvas::TextOut(int x, int y, const std::string& text, TColor,
                            std::optional<TColor> background)
{
    Texts.push_back({x, y, text, background.has_value()});
}

void TReplayCanvas::Clear()
{
    Cells.clear();
    Texts.clear();
    StrayImages = 0;
}

#pragma once
// The rules' canvas on a Qt image: one painter for the life of this object,
// so a whole Draw costs one painter set-up. Texts are 8-bit, as the game's
// own texts are, and laid out through a cache that outlives the canvas.

#include "TGameCanvas.h"

#include <QPainter>
#include <QRegion>

class QImage;
class TGameTextCache;

class TGamePainterCanvas : public TGameCanvas {
public:
    // picture and texts must outlive the canvas; nothing else may paint on
    // picture meanwhile.
    TGamePainterCanvas(QImage& picture, TGameTextCache& texts);

    void FillRect(const TRect& rect, TColor color) override;
    // images must be a TGameSpriteList; an index it does not hold draws nothing.
    void DrawImage(const TGameImageList& images, int index, int x, int y) override;
    TSize TextExtent(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text, TColor color,
                 std::optional<TColor> background) override;

    // The picture's font: "Arial", 17 pixels without internal leading, bold.
    static QFont PictureFont();

    // Where this canvas has drawn so far, in the picture's pixels.
    const QRegion& Painted() const { return FPainted; }

private:
    QPainter Painter;
    QRegion FPainted;
    TGameTextCache& Texts;
};

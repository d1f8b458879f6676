#include "TGamePainterCanvas.h"
#include "TGameSpriteList.h"
#include "TGameTextCache.h"

#include <QImage>
#include <QStaticText>

namespace {

QColor ToQColor(TColor color)
{
    return {color.R, color.G, color.B};
}

} // namespace

TGamePainterCanvas::TGamePainterCanvas(QImage& picture, TGameTextCache& texts)
    : Painter(&picture), Texts(texts)
{
    Painter.setFont(texts.GetFont());
}

void TGamePainterCanvas::FillRect(const TRect& rect, TColor color)
{
    Painter.fillRect(rect.Left, rect.Top, rect.Width(), rect.Height(), ToQColor(color));
    FPainted += QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TGamePainterCanvas::DrawImage(const TGameImageList& images, int index, int x, int y)
{
    const auto& sprites = dynamic_cast<const TGameSpriteList&>(images);
    if (index < 0 || index >= sprites.Count())
        return;
    Painter.drawImage(x, y, sprites.Image(index));
    FPainted += QRect(QPoint(x, y), sprites.Image(index).size());
}

TSize TGamePainterCanvas::TextExtent(const std::string& text)
{
    return {qCeil(Texts.Layout(text).size().width()), Texts.LineHeight()};
}

void TGamePainterCanvas::TextOut(int x, int y, const std::string& text, TColor color,
                                 std::optional<TColor> background)
{
    const QStaticText& layout = Texts.Layout(text);
    const QRect box(x, y, qCeil(layout.size().width()), Texts.LineHeight());
    if (background)
        Painter.fillRect(box, ToQColor(*background));
    Painter.setPen(ToQColor(color));
    Painter.drawStaticText(x, y, layout);
    // Glyphs may reach a little beyond their advance, as bold italics do.
    FPainted += box.adjusted(-2, -2, 2, 2);
}

QFont TGamePainterCanvas::PictureFont()
{
    QFont font(QStringLiteral("Arial"));
    // A pixel size is the character height without internal leading.
    font.setPixelSize(17);
    font.setBold(true);
    return font;
}

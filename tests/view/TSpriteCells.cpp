#include "TSpriteCells.h"

const TGameSpriteList& Sprites()
{
    static const TGameSpriteList sprites = TGameSpriteList::Builtin();
    return sprites;
}

QImage SpriteOver(int image, QRgb ground)
{
    QImage cell(16, 16, QImage::Format_RGB32);
    cell.fill(ground);
    for (int y = 0; y < 16 && image >= 0; ++y)
        for (int x = 0; x < 16; ++x)
            if (const QRgb pixel = Sprites().Image(image).pixel(x, y); qAlpha(pixel) != 0)
                cell.setPixel(x, y, pixel);
    return cell;
}

QRect InkBounds(const QImage& picture, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qBlue(picture.pixel(x, y)) > 160)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

double ShareShown(const QImage& picture, int left, int top, const QImage& image)
{
    int opaque = 0, shown = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            opaque += qAlpha(pixel) != 0;
            shown += qAlpha(pixel) != 0 && picture.pixel(left + x, top + y) == pixel;
        }
    return static_cast<double>(shown) / opaque;
}

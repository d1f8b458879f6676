#include "TGameSpriteList.h"

namespace {
constexpr int SheetColumns = 4;
}

TGameSpriteList::TGameSpriteList(const QImage& sheet)
{
    // Premultiplied is the format the raster painter blends fastest.
    const QImage images = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    constexpr int size = Common::CellSize;
    for (int i = 0; i < Common::ImageCount; ++i) {
        const int left = i % SheetColumns * size;
        const int top = i / SheetColumns * size;
        if (left + size > images.width() || top + size > images.height())
            break;
        Images.push_back(images.copy(left, top, size, size));
    }
}

TGameSpriteList TGameSpriteList::Builtin()
{
    return TGameSpriteList(QImage(QStringLiteral(":/Sprites.xpm")));
}

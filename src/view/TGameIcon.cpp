#include "TGameIcon.h"
#include "TGameSpriteList.h"

#include <QPixmap>

namespace {

// The boy, as he looks before he ever blinks.
constexpr int FaceImage = 6;
// The sprites' drop shadow is a darker shade of the field's green; on a
// desktop of any colour a faint grey stands in for it.
constexpr QRgb FieldShadow = qRgb(0, 192, 0);
constexpr QRgb DesktopShadow = qRgba(0, 0, 0, 64);

} // namespace

QImage TGameIcon::Image(int size)
{
    QImage face =
        TGameSpriteList::Builtin().Image(FaceImage).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixel(x, y) == FieldShadow)
                face.setPixel(x, y, DesktopShadow);
        }
    }
    return face.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon TGameIcon::Icon()
{
    QIcon icon;
    for (const int size : Sizes)
        icon.addPixmap(QPixmap::fromImage(Image(size)));
    return icon;
}

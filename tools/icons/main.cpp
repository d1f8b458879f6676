// tolm-icons FOLDER NAME: writes the game's icon into the icon theme folder
// FOLDER as SIZExSIZE/apps/NAME.png, at every size the desktop gets. The
// build runs it, so the icons are drawn from the sprite sheet and never kept
// as files of their own.

#include "TGameIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: tolm-icons FOLDER NAME\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : TGameIcon::Sizes) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(apps, name);
        if (!QDir().mkpath(apps) || !TGameIcon::Image(size).save(path)) {
            std::fprintf(stderr, "tolm-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

#include "TGameBox.h"
#include "TGameSpriteList.h"

#include <QApplication>

// The game in a plain window: the view alone, played with the keys.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const TGameSpriteList sprites = TGameSpriteList::Builtin();
    TGameBox view;
    view.setWindowTitle(QStringLiteral("Tolm Game"));
    view.setFixedSize(view.size());
    view.setFocusPolicy(Qt::StrongFocus);
    view.SetImages(&sprites);
    view.ShowInstructions();
    view.show();
    view.activateWindow();
    QApplication::exec();
    return 0;
}

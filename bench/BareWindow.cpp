// The floor for the game's start-up and memory: a Qt Widgets window of the
// game's size and title with nothing in it, shown as the game shows its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolm Game"));
    window.resize(336, 328);
    window.show();
    return QApplication::exec();
}

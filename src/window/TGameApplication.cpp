#include "TGameApplication.h"
#include "TGameIcon.h"

#include <QMessageBox>

TGameApplication::TGameApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Task bars find the game's menu entry by this name, and with it the
    // game's own name and icon.
    setDesktopFileName(QStringLiteral(TOLM_APP_ID));
    setWindowIcon(TGameIcon::Icon());
}

bool TGameApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(std::current_exception());
        return false;
    }
}

void TGameApplication::ShowException(const std::exception_ptr& error)
{
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        message = QString::fromLocal8Bit(known.what());
    } catch (...) {
    }
    QMessageBox box(QMessageBox::Critical, applicationName(), WithFullStop(message),
                    QMessageBox::Ok);
    box.exec();
}

QString TGameApplication::WithFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

#include "TGameApplication.h"
#include "TGameIcon.h"

#include <QDialog>
#include <QMessageBox>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's end the signal handler writes to: a handler may do little
// more than write, and the event loop reads the other end.
int SignalWriter = -1;

void Signalled(int /*signal*/)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(SignalWriter, &byte, 1);
}

} // namespace

TGameApplication::TGameApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Task bars find the game's menu entry by this name, and with it the
    // game's own name and icon.
    setDesktopFileName(QStringLiteral(TOLM_APP_ID));
    setWindowIcon(TGameIcon::Icon());
    HearSignals();
}

void TGameApplication::HearSignals()
{
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals then end the game where it stands
    SignalWriter = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, reader = ends[0]] {
        char byte = 0;
        while (read(reader, &byte, 1) > 0) {
        }
        EndAsExit();
    });
    struct sigaction action {};
    action.sa_handler = Signalled;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void TGameApplication::EndAsExit()
{
    // A box's own loop ends once this returns, and the code after it finds
    // the window closed, so opens no other box.
    for (QWidget* widget : topLevelWidgets()) {
        if (auto* box = qobject_cast<QDialog*>(widget); box != nullptr && box->isVisible())
            box->done(QDialog::Rejected);
    }
    closeAllWindows();
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

#pragma once
// The application object: an error that escapes an event handler is shown
// in the error box and the event loop goes on, as the game has no log. It
// tells the desktop which menu entry it belongs to and shows the game's icon.
// A session's end, a closed terminal and Ctrl+C (SIGTERM, SIGHUP, SIGINT)
// end the game as Exit does: open boxes close as Cancel, then the windows,
// so that the settings and scores are written and the exit code is 0.

#include <QApplication>

#include <exception>

class TGameApplication : public QApplication {
public:
    TGameApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    // The error box: the error's message with the application's title, an
    // OK button and the stop icon. Any error that is no std::exception is
    // shown with an empty message.
    static void ShowException(const std::exception_ptr& error);
    // message with a full stop added when its last character sorts after
    // '.', as a sentence needs one.
    static QString WithFullStop(const QString& message);

private:
    // Hands the signals over to the event loop, where the game may end.
    void HearSignals();
    void EndAsExit();
};

#pragma once
// The hand-over to the GUI thread on Qt: a waiting call posts an event to an
// object of the GUI thread, whose event loop then runs the waiting calls.
// Every event loop there does so, the modal ones of message boxes and open
// menus included, so ticks go on behind them.

#include "TGameSynchronizer.h"

#include <QObject>

class TGameQtSynchronizer : public QObject, public TGameSynchronizer {
public:
    // On the GUI thread, once the application object exists; before the
    // threads that hand calls over, and deleted after them. Its end drops
    // the wake-ups still queued.
    TGameQtSynchronizer() = default;

protected:
    void PostWakeUp() override;
    // Only wake-ups are ever posted here.
    void customEvent(QEvent* event) override;
};

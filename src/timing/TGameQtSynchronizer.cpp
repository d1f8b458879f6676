#include "TGameQtSynchronizer.h"

#include <QCoreApplication>
#include <QEvent>

void TGameQtSynchronizer::PostWakeUp()
{
    // Being a QObject made on the GUI thread, this object gets its events there.
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

void TGameQtSynchronizer::customEvent(QEvent* /*event*/)
{
    RunPending();
}

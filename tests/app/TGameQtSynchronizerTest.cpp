#include "TGameQtSynchronizer.h"
#include "TGameSystemClock.h"
#include "TGameTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <semaphore>

namespace {

// Real time, kept short: ticks come every other millisecond.
constexpr std::uint32_t Interval = 1;

// Lets the test wait until a tick waits for the GUI thread.
class TWatchedQtSynchronizer : public TGameQtSynchronizer {
public:
    void AwaitCall() { Posted.acquire(); }

protected:
    void PostWakeUp() override
    {
        TGameQtSynchronizer::PostWakeUp();
        Posted.release();
    }

private:
    std::counting_semaphore<> Posted{0};
};

// Stopping from the GUI thread while a tick waits for it, as the game view
// does when it is deleted: the tick runs during the wait and the wait
// returns. Repeated, with the stop coming after a different number of ticks
// served by the event loop, so a race has chances to show.
TEST(TGameQtSynchronizerTest, StoppingWhileATickIsPendingRunsItAndReturns)
{
    for (int round = 0; round < 300; ++round) {
        TWatchedQtSynchronizer synchronizer;
        TGameSystemClock clock;
        int ticks = 0;
        TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer&) { ++ticks; });
        timer.Resume();
        const int servedByLoop = round % 3;
        for (int served = 0; served < servedByLoop; ++served) {
            synchronizer.AwaitCall();
            QCoreApplication::processEvents();
        }
        synchronizer.AwaitCall();
        timer.Terminate();
        timer.WaitFor();
        ASSERT_EQ(ticks, servedByLoop + 1) << "round " << round;

        // The wake-up of the tick that the wait ran finds nothing left to run;
        // every other round it is left queued, and deleting the synchronizer
        // must drop it.
        if (round % 2 == 0) {
            QCoreApplication::processEvents();
            ASSERT_EQ(ticks, servedByLoop + 1) << "round " << round;
        }
    }
}

// Opens modal with run from a command that the main loop dispatches, as a
// menu command opens a message box; the tick handler closes it after three
// ticks. Returns the ticks that came while it was open.
int TicksWhileOpen(QWidget& modal, const std::function<void()>& run)
{
    TGameQtSynchronizer synchronizer;
    TGameSystemClock clock;
    int ticks = 0;
    TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer&) {
        if (modal.isVisible() && ++ticks == 3)
            modal.hide();
    });
    QEventLoop mainLoop;
    QTimer command;
    command.setSingleShot(true);
    command.setTimerType(Qt::PreciseTimer);
    QObject::connect(&command, &QTimer::timeout, [&] {
        run();
        mainLoop.quit();
    });
    command.start(0);
    timer.Resume();
    mainLoop.exec();
    timer.Terminate();
    timer.WaitFor();
    return ticks;
}

TEST(TGameQtSynchronizerTest, TicksGoOnInsideModalLoops)
{
    QMessageBox box(QMessageBox::Information, "Tolm Game", "Ticks go on behind this box.");
    EXPECT_EQ(TicksWhileOpen(box, [&] { box.exec(); }), 3);

    QMenu menu;
    menu.addAction("New Game");
    EXPECT_EQ(TicksWhileOpen(menu, [&] { menu.exec(QPoint(0, 0)); }), 3);
}

} // namespace

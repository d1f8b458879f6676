#include "TGameQtSynchronizer.h"
#include "TGameSystemClock.h"
#include "TGameTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <semaphore>

namespace {

// Real time, kept short: ticks come every other millisecond.
constexpr std::uint32_t Interval = 1;

// Lets the test wait until a tick waits for the GUI thread.
struct TWatchedQtSynchronizer : TGameQtSynchronizer {
    std::counting_semaphore<> Posted{0};

    void PostWakeUp() override
    {
        TGameQtSynchronizer::PostWakeUp();
        Posted.release();
    }
};

// Stopping from the GUI thread while a tick waits for it, as the game view does when it is deleted:
// the tick runs during the wait and the wait returns. Repeated, with the stop coming after a
// different number of ticks served by the event loop, so a race has chances to show.
TEST(TGameQtSynchronizerTest, StoppingWhileATickIsPendingRunsItAndTicksGoOnInModalLoops)
{
    TGameSystemClock clock;
    for (int round = 0; round < 300; ++round) {
        TWatchedQtSynchronizer synchronizer;
        int ticks = 0;
        TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer&) { ++ticks; });
        timer.Resume();
        for (int served = 0; served < round % 3; ++served) {
            synchronizer.Posted.acquire();
            QCoreApplication::processEvents();
        }
        synchronizer.Posted.acquire();
        timer.Terminate();
        timer.WaitFor();
        // The wake-up of the tick the wait ran finds nothing to run; every
        // other round it stays queued, for the synchronizer's end to drop.
        if (round % 2 == 0)
            QCoreApplication::processEvents();
        ASSERT_EQ(ticks, round % 3 + 1) << "round " << round;
    }

    // Ticks go on inside modal loops: a message box opened from a command that the main loop
    // dispatches, as a menu command opens one; the tick handler closes it after three ticks.
    QMessageBox box(QMessageBox::Information, "Tolm Game", "Ticks go on behind this box.");
    TGameQtSynchronizer synchronizer;
    int ticks = 0;
    TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer&) {
        if (box.isVisible() && ++ticks == 3)
            box.hide();
    });
    QEventLoop mainLoop;
    QTimer::singleShot(0, &mainLoop, [&] {
        box.exec();
        mainLoop.quit();
    });
    timer.Resume();
    mainLoop.exec();
    timer.Terminate();
    timer.WaitFor();
    EXPECT_EQ(ticks, 3);
}

} // namespace

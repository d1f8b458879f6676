// Runs the tick timer on the real clock as the game does: 600 ticks of
// 100 ms with an empty handler, handed to a Qt event loop. Reports how late
// the ticks come, whether the grid drifts, and what the timer thread costs.

#include "TBenchClock.h"
#include "TGameQtSynchronizer.h"
#include "TGameTimer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using TSteady = std::chrono::steady_clock;
using TMillis = std::chrono::duration<double, std::milli>;

constexpr std::uint32_t Interval = 100;
constexpr std::size_t TickCount = 600;

struct TRun {
    std::vector<TSteady::time_point> Ticks;
    TSteady::time_point Start;
    std::chrono::nanoseconds TimerCpu{};
};

TRun RunTimer(int& argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    TGameQtSynchronizer synchronizer;
    TBenchClock clock;
    TRun run;
    run.Ticks.reserve(TickCount);
    std::chrono::nanoseconds cpuAtFirstTick{};
    TGameTimer timer(synchronizer, clock, Interval, [&](TGameTimer& sender) {
        run.Ticks.push_back(TSteady::now());
        if (run.Ticks.size() == 1)
            cpuAtFirstTick = clock.TimerCpuTime();
        if (run.Ticks.size() == TickCount) {
            run.TimerCpu = clock.TimerCpuTime() - cpuAtFirstTick;
            sender.Terminate();
            QCoreApplication::quit();
        }
    });
    timer.Resume();
    QCoreApplication::exec();
    timer.WaitFor();
    run.Start = clock.Start();
    return run;
}

// Milliseconds from the start of each tick's due millisecond (start + k *
// Interval) to the tick, for every tick after the first, which is due at once.
std::vector<double> Lateness(const TRun& run)
{
    std::vector<double> late;
    for (std::size_t k = 1; k < run.Ticks.size(); ++k) {
        const auto due = run.Start + std::chrono::milliseconds(k * Interval);
        late.push_back(TMillis(run.Ticks[k] - due).count());
    }
    std::sort(late.begin(), late.end());
    return late;
}

// Nearest rank; sorted is not empty.
double Percentile(const std::vector<double>& sorted, double fraction)
{
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

void PrintLateness(const char* what, const std::vector<double>& sorted, double shift)
{
    std::printf("%-46s median %6.3f ms   p99 %6.3f ms   max %6.3f ms\n", what,
                Percentile(sorted, 0.5) - shift, Percentile(sorted, 0.99) - shift,
                sorted.back() - shift);
}

void Report(const TRun& run)
{
    const std::vector<double> late = Lateness(run);
    std::printf("%zu ticks of %u ms, empty handler, handed to a Qt event loop\n", run.Ticks.size(),
                Interval);
    PrintLateness("lateness behind the due time:", late, 0);
    PrintLateness("  beyond the first reading past it (-1 ms):", late, 1);

    // From the second tick, the first one that waited for its due time.
    const std::size_t intervals = run.Ticks.size() - 2;
    const TMillis span = run.Ticks.back() - run.Ticks[1];
    std::printf("drift over %zu intervals: %+.3f ms\n", intervals,
                span.count() - static_cast<double>(intervals * Interval));

    const TMillis running = run.Ticks.back() - run.Ticks.front();
    const TMillis cpu = run.TimerCpu;
    std::printf("timer thread CPU: %.1f ms in %.1f s, %.3f %% of one core\n", cpu.count(),
                running.count() / 1000, 100 * cpu.count() / running.count());
}

} // namespace

int main(int argc, char** argv)
{
    const TRun run = RunTimer(argc, argv);
    if (run.Ticks.size() < TickCount) {
        std::fprintf(stderr, "The timer ended after %zu ticks.\n", run.Ticks.size());
        return 1;
    }
    Report(run);
    return 0;
}

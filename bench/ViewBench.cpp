// The game view's costs on the real canvas, offscreen:
// - TickAndDraw: one tick of a busy two-player game as the view runs it, the
//   field's tick, then Draw into the 336 x 328 picture with the game's
//   sprites and font. Keys change every few ticks so the players roam, and a
//   game that ends is started again. Each tick is also timed on its own; the
//   counters give the median and the 99th percentile of those.
// - RepaintAfterStart: the Draw after a new game, which repaints all cells.
// - Paint/100, /150, /200: the view's paint at that size, the copy of the
//   picture into the widget, stretched beyond 100 %.
// - RandomDraw: one draw of the game's generator.
// - RecordTick: what recording a game costs a tick: the poll's compare, a
//   key event on one tick in seven, an effect on one in eleven, the tick's
//   run; a game of 3,000 ticks (five minutes) finished and begun anew,
//   whose script's size the counter gives.

#include "Random.h"
#include "TGameBox.h"
#include "TGameField.h"
#include "TGamePad.h"
#include "TGameKeyboard.h"
#include "TGamePainterCanvas.h"
#include "TGameRecorder.h"
#include "TGameSpriteList.h"
#include "TGameTextCache.h"
#include "TReplaySound.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// The value below which fraction of the sorted samples lie.
double Percentile(const std::vector<double>& sorted, double fraction)
{
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

// The field, pads, sprites and picture that the view would own.
struct TViewParts {
    TViewParts()
    {
        field.Busy = true;
        for (std::size_t i = 0; i < pads.size(); ++i)
            pads[i].SetKeys(Common::KeyTable[i]);
        Random::Seed(12345);
    }

    void Draw()
    {
        TGamePainterCanvas canvas(picture, texts);
        field.Draw(canvas, sprites);
    }

    const TGameSpriteList sprites = TGameSpriteList::Builtin();
    TGameTextCache texts{TGamePainterCanvas::PictureFont()};
    QImage picture{Common::ViewRect.Width(), Common::ViewRect.Height(), QImage::Format_RGB32};
    TGameField field{Common::FieldWidth, Common::FieldHeight};
    std::array<TGamePad, 2> pads;
    TReplaySound sound;
};

void TickAndDraw(benchmark::State& state)
{
    TViewParts view;
    std::vector<double> micros;
    int tick = 0;
    while (state.KeepRunning()) {
        const auto start = std::chrono::steady_clock::now();
        if (view.field.Over)
            view.field.Start(2);
        if (++tick % 7 == 0) {
            for (std::size_t i = 0; i < view.pads.size(); ++i)
                view.pads[i].KeyDown(
                    Common::KeyTable[i][static_cast<std::size_t>(Random::DrawMod(4))]);
        }
        view.field.Tick({&view.pads[0], &view.pads[1]}, view.sound);
        view.Draw();
        for (TGamePad& pad : view.pads)
            pad.ClearPressed();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        micros.push_back(took.count());
    }
    std::ranges::sort(micros);
    state.counters["median_us"] = Percentile(micros, 0.5);
    state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(TickAndDraw)->Repetitions(5)->ReportAggregatesOnly(true)->MinTime(1.0);

void RepaintAfterStart(benchmark::State& state)
{
    TViewParts view;
    while (state.KeepRunning()) {
        state.PauseTiming();
        view.field.Start(2);
        state.ResumeTiming();
        view.Draw();
    }
}
BENCHMARK(RepaintAfterStart)->Repetitions(5)->ReportAggregatesOnly(true);

void Paint(benchmark::State& state)
{
    const TGameSpriteList sprites = TGameSpriteList::Builtin();
    TGameBox box;
    box.SetImages(&sprites);
    box.NewGame(2);
    box.Tick();
    box.resize(Common::ViewRect.Width() * static_cast<int>(state.range(0)) / 100,
               Common::ViewRect.Height() * static_cast<int>(state.range(0)) / 100);
    QImage window(box.size(), QImage::Format_RGB32);
    while (state.KeepRunning())
        box.render(&window);
}
BENCHMARK(Paint)->Arg(100)->Arg(150)->Arg(200)->Repetitions(5)->ReportAggregatesOnly(true);

void RandomDraw(benchmark::State& state)
{
    Random::Seed(12345);
    while (state.KeepRunning())
        benchmark::DoNotOptimize(Random::Draw());
}
BENCHMARK(RandomDraw)->Repetitions(5)->ReportAggregatesOnly(true);

void RecordTick(benchmark::State& state)
{
    struct THeld : TGameKeyboard {
        int Key = 0;
        bool IsKeyDown(int keyCode) const override { return keyCode == Key; }
    } held;
    TViewParts view;
    view.field.Start(2);
    TGameRecorder recorder(view.sound);
    const TGamePads pads = {&view.pads[0], &view.pads[1]};
    recorder.Begin(2, view.field, pads, false);
    std::size_t bytes = 0;
    for (int tick = 1; state.KeepRunning(); ++tick) {
        if (tick % 7 == 0) {
            held.Key = Common::KeyTable[static_cast<std::size_t>(tick / 7 % 2)]
                                       [static_cast<std::size_t>(tick / 14 % 4)];
            recorder.KeyEvent(held.Key, true);
        }
        recorder.Poll(held, held);
        if (tick % 11 == 0)
            recorder.Play(0);
        recorder.Ticked(view.field, false);
        if (tick % 3000 == 0) {
            bytes = recorder.Finish(view.field).size();
            recorder.Begin(2, view.field, pads, false);
        }
    }
    state.counters["script_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(RecordTick)->Repetitions(5)->ReportAggregatesOnly(true)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("PULSE_SERVER", "unix:/dev/null");
    const QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

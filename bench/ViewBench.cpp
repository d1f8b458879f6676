// One tick of a busy two-player game as the view runs it, on the real
// canvas: the field's tick, then Draw into the 336 x 328 picture with the
// game's sprites and font. Keys change every few ticks so the players roam,
// and a game that ends is started again.

#include "Random.h"
#include "TGameField.h"
#include "TGamePad.h"
#include "TGamePainterCanvas.h"
#include "TGameSpriteList.h"
#include "TGameTextCache.h"
#include "TReplaySound.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void TickAndDraw(benchmark::State& state)
{
    const TGameSpriteList sprites = TGameSpriteList::Builtin();
    TGameTextCache texts(TGamePainterCanvas::PictureFont());
    QImage picture(336, 328, QImage::Format_RGB32);
    TGameField field(Common::FieldWidth, Common::FieldHeight);
    field.Busy = true;
    std::array<TGamePad, 2> pads;
    for (std::size_t i = 0; i < pads.size(); ++i)
        pads[i].SetKeys(Common::KeyTable[i]);
    TReplaySound sound;
    Random::Seed(12345);
    int tick = 0;
    while (state.KeepRunning()) {
        if (field.Over)
            field.Start(2);
        if (++tick % 7 == 0) {
            for (std::size_t i = 0; i < pads.size(); ++i)
                pads[i].KeyDown(Common::KeyTable[i][static_cast<std::size_t>(Random::DrawMod(4))]);
        }
        field.Tick({&pads[0], &pads[1]}, sound);
        TGamePainterCanvas canvas(picture, texts);
        field.Draw(canvas, sprites);
        for (TGamePad& pad : pads)
            pad.ClearPressed();
    }
}
BENCHMARK(TickAndDraw)->Repetitions(5)->ReportAggregatesOnly(true)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

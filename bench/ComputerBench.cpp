// How long the computer thinks in a tick: whole seeded games between two
// computer players, as the game plays them (each thinks before the pads are
// polled), every thought of the first strength named timed on its own.
// Usage: tolm-computer-bench [STRENGTH] [AGAINST] [GAMES]; hard against
// hard, 100 games by default.

#include "Random.h"
#include "TGameComputer.h"
#include "TGameField.h"
#include "TGameSoundSink.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using TSteady = std::chrono::steady_clock;
using TMicros = std::chrono::duration<double, std::micro>;

constexpr int MaxTicks = 3000;

struct TQuiet : TGameSoundSink {
    void Play(int /*id*/) override {}
};

TGameLevel Level(const char* name)
{
    const std::optional<TGameLevel> level = TGameStrength::Parse(name);
    if (!level) {
        std::fprintf(stderr, "no such strength: %s\n", name);
        std::exit(2);
    }
    return *level;
}

// One game; the timed player takes either side by turns. Appends the time
// of each of its thoughts.
void Play(std::uint32_t seed, TGameLevel timed, TGameLevel other, std::vector<double>& thoughts)
{
    Random::Seed(seed);
    TGameField field(Common::FieldWidth, Common::FieldHeight);
    field.Start(2);
    const int side = static_cast<int>(seed % 2);
    std::array<TGameComputer, 2> players = {
        TGameComputer(0, side == 0 ? timed : other, Random::State()),
        TGameComputer(1, side == 1 ? timed : other, ~Random::State())};
    std::array<TGamePad, 2> pads;
    TQuiet quiet;
    for (int tick = 0; tick < MaxTicks && !field.Over; ++tick) {
        for (std::size_t p = 0; p < pads.size(); ++p) {
            const TSteady::time_point start = TSteady::now();
            players[p].Think(field);
            if (static_cast<int>(p) == side)
                thoughts.push_back(TMicros(TSteady::now() - start).count());
            pads[p].SetKeys(Common::KeyTable[p]);
            pads[p].PollKeys(players[p]);
        }
        field.Tick({&pads[0], &pads[1]}, quiet);
    }
}

double Percentile(const std::vector<double>& sorted, double share)
{
    return sorted[static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1))];
}

} // namespace

int main(int argc, char** argv)
{
    const TGameLevel timed = Level(argc > 1 ? argv[1] : "hard");
    const TGameLevel other = Level(argc > 2 ? argv[2] : "hard");
    const int games = argc > 3 ? std::atoi(argv[3]) : 100;
    std::vector<double> thoughts;
    for (int seed = 1; seed <= games; ++seed)
        Play(static_cast<std::uint32_t>(seed), timed, other, thoughts);
    std::sort(thoughts.begin(), thoughts.end());
    std::printf("%s against %s, %d games (seeds 1-%d), %zu thoughts: median %.0f us, "
                "99th percentile %.0f us, maximum %.0f us\n",
                TGameStrength::Name(timed).c_str(), TGameStrength::Name(other).c_str(), games,
                games, thoughts.size(), Percentile(thoughts, 0.5), Percentile(thoughts, 0.99),
                thoughts.back());
}

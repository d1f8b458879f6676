#include "TGameComputer.h"
#include "Common.h"
#include "Random.h"
#include "TGameField.h"
#include "TGamePlayerUnit.h"
#include "TGameSoundSink.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct TQuiet : TGameSoundSink {
    void Play(int /*id*/) override {}
};

// A whole game between two computer players: +1 where the first wins, -1
// where the second does, 0 for a draw. A win: the other is stuck first;
// both stuck at once, or neither by the last tick: the higher score wins.
int Duel(std::uint32_t seed, TGameLevel first, TGameLevel second, int ticks)
{
    Random::Seed(seed);
    TGameField field(Common::FieldWidth, Common::FieldHeight);
    field.Start(2);
    std::array<TGameComputer, 2> players = {TGameComputer(0, first, seed),
                                            TGameComputer(1, second, ~seed)};
    std::array<TGamePad, 2> pads;
    TQuiet quiet;
    for (int tick = 0; tick < ticks && !field.Over; ++tick) {
        for (std::size_t p = 0; p < 2; ++p) {
            const std::uint64_t rules = Random::State();
            players[p].Think(field);
            // The computer never draws from the rules' generator.
            EXPECT_EQ(Random::State(), rules);
            pads[p].SetKeys(Common::KeyTable[p]);
            pads[p].PollKeys(players[p]);
        }
        field.Tick({&pads[0], &pads[1]}, quiet);
    }
    const auto& [one, two] = std::array{field.Players[0], field.Players[1]};
    if (one->Stuck != two->Stuck)
        return one->Stuck ? -1 : 1;
    return one->Score == two->Score ? 0 : (one->Score > two->Score ? 1 : -1);
}

// Each pairing, both ways round over the same seeds, played out as the
// strength benchmark plays them: the stronger wins at least two games of
// three that are not drawn. A Hard that looks one tick ahead, as Medium
// does, wins about half against it.
TEST(TGameComputerTest, StrongerLevelsWinMore)
{
    constexpr int Games = 40;
    for (const auto& [strong, weak] : {std::pair{TGameLevel::Hard, TGameLevel::Medium},
                                       std::pair{TGameLevel::Medium, TGameLevel::Easy}}) {
        SCOPED_TRACE(TGameStrength::Name(strong));
        int wins = 0;
        int losses = 0;
        for (std::uint32_t seed = 1; seed <= Games; ++seed) {
            const int result =
                seed % 2 == 0 ? Duel(seed, strong, weak, 3000) : -Duel(seed, weak, strong, 3000);
            wins += result > 0 ? 1 : 0;
            losses += result < 0 ? 1 : 0;
        }
        EXPECT_GE(wins, 2 * losses) << wins << " won, " << losses << " lost";
    }
}

} // namespace

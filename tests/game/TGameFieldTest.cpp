#include "Board.h"
#include "Random.h"
#include "TReplayCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using Sounds = std::vector<int>;
constexpr int Back = 4, GameOver = 5;

int CountTerrain(const TGameMap& map, TGameTerrain terrain)
{
    int count = 0;
    for (int x = 0; x < map.Width(); ++x)
        for (int y = 0; y < map.Height(); ++y)
            count += map.GetTerrain(x, y) == terrain ? 1 : 0;
    return count;
}

// The state the generator reaches after n more draws.
std::uint64_t StateAfterDraws(std::uint64_t state, int n)
{
    const auto saved = Random::State();
    Random::SetState(state);
    for (int i = 0; i < n; ++i)
        Random::Draw();
    const auto result = Random::State();
    Random::SetState(saved);
    return result;
}

// Seeds the generator so that draw number `which` (1-based) is r mod m.
void SeedSoThatDraw(int which, int m, int r)
{
    for (std::uint32_t seed = 1;; ++seed) {
        Random::Seed(seed);
        int value = 0;
        for (int i = 0; i < which; ++i)
            value = Random::Draw();
        if (value % m == r) {
            Random::Seed(seed);
            return;
        }
    }
}

class TGameFieldTest : public ::testing::Test {
protected:
    void SetUp() override { Random::Seed(1); }
    std::array<TGamePad, 2> Pads;
    TReplaySound Sound;
    TGamePads PadList() { return {&Pads[0], &Pads[1]}; }
};

TEST_F(TGameFieldTest, OnePlayerStartsOnItsHomeInABorderedFieldWithFourFences)
{
    TGameField field(21, 19);
    field.Start(1);

    ASSERT_EQ(field.Units.size(), 2U);
    ASSERT_EQ(field.Players.size(), 1U);
    EXPECT_EQ(field.Units[0].get(), field.Players[0]);
    EXPECT_EQ(field.Players[0]->X, 10);
    EXPECT_EQ(field.Players[0]->Y, 9);
    EXPECT_EQ(field.Map.GetUnit(10, 9), field.Units[1].get());
    EXPECT_EQ(field.Units[1]->Kind, ukHome);
    EXPECT_EQ(CountTerrain(field.Map, gtBush), 76);
    EXPECT_EQ(CountTerrain(field.Map, gtFence), 4);
    EXPECT_EQ(field.Message, "Started");
    EXPECT_FALSE(field.Over);
    EXPECT_EQ(field.Map.DirtyCount(), 399);
}

TEST_F(TGameFieldTest, TwoPlayersStartOnDifferentFreeCellsWithoutAHome)
{
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        Random::Seed(seed);
        TGameField field(21, 19);
        field.Start(2);
        ASSERT_EQ(field.Units.size(), 2U);
        std::set<std::pair<int, int>> cells;
        for (int i = 0; i < 2; ++i) {
            const TGamePlayerUnit& player = *field.Players[i];
            EXPECT_EQ(player.Index, i);
            EXPECT_EQ(field.Map.GetUnit(player.X, player.Y), &player);
            EXPECT_EQ(field.Map.GetTerrain(player.X, player.Y), gtEmpty);
            cells.insert({player.X, player.Y});
        }
        EXPECT_EQ(cells.size(), 2U) << "seed " << seed;
        EXPECT_EQ(CountTerrain(field.Map, gtFence), 4);
    }
}

TEST_F(TGameFieldTest, NothingHappensBeforeTheFirstStartOrAfterTheEnd)
{
    TGameField field(21, 19);
    const auto before = Random::State();
    field.Tick(PadList(), Sound);
    EXPECT_EQ(Random::State(), before);
    EXPECT_EQ(Sound.Played, Sounds{});

    TReplayCanvas canvas;
    field.Draw(canvas, TReplayImageList());
    EXPECT_TRUE(canvas.Cells.empty());
    ASSERT_EQ(canvas.Texts.size(), 2U);
    EXPECT_EQ(canvas.Texts[0].Text, " ");
    EXPECT_EQ(canvas.Texts[1].Text, "  ");

    TBoard board({
        "#####",
        "#1c##",
        "#####",
    });
    board.Head(0, 1, 0);
    board.Tick();
    EXPECT_EQ(board.Tick(), Sounds{GameOver});
    const auto ended = Random::State();
    const auto picture = board.Picture();
    EXPECT_EQ(board.Tick(), Sounds{});
    EXPECT_EQ(Random::State(), ended);
    EXPECT_EQ(board.Picture(), picture);
    EXPECT_EQ(board.Field.Message, "Game Over");
}

TEST_F(TGameFieldTest, FencesAroundTheStartEndTheGameOnItsFirstTick)
{
    Random::Seed(2284735820U);
    TGameField field(21, 19);
    field.Start(1);
    for (const auto& [x, y] : {std::pair{9, 9}, {11, 9}, {10, 8}, {10, 10}})
        EXPECT_EQ(field.Map.GetTerrain(x, y), gtFence);
    field.Tick(PadList(), Sound);
    EXPECT_TRUE(field.Over);
    EXPECT_EQ(field.Message, "Game Over");
    EXPECT_EQ(Sound.Played, Sounds{GameOver});
}

TEST_F(TGameFieldTest, AStampLeftByAnExpiringCakeStepsInTheSamePass)
{
    TBoard board({
        "###",
        "#c#",
        "###",
    });
    board.ItemAt(1, 1).Life = 1;
    const auto beforeStamp = Random::State();
    board.Step();
    ASSERT_EQ(board.Field.Units.size(), 2U);
    EXPECT_FALSE(board.Field.Units[0]->Alive); // deleted when the next pass reaches it
    const auto& stamp = board.ItemAt(1, 1);
    EXPECT_EQ(stamp.Item, itStamp);
    Random::SetState(beforeStamp);
    EXPECT_EQ(stamp.Life, 25 + Random::Draw() % 25 - 1);

    board.Step();
    ASSERT_EQ(board.Field.Units.size(), 1U);
    EXPECT_EQ(board.Field.Units[0].get(), &stamp);
}

TEST_F(TGameFieldTest, AnExpiringStampLeavesABush)
{
    TBoard board({
        "###",
        "#s#",
        "###",
    });
    board.ItemAt(1, 1).Life = 2;
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#s#");
    board.Step();
    EXPECT_EQ(board.Picture()[1], "###");
}

TEST_F(TGameFieldTest, AnItemIsPickedUpOnTheTickItWouldExpire)
{
    TBoard board({
        "#####",
        "#1c.#",
        "#####",
    });
    board.Head(0, 1, 0);
    board.ItemAt(2, 1).Life = 1;
    EXPECT_EQ(board.Step(), Sounds{0});
    EXPECT_EQ(board.Picture()[1], "#o1.#");
    // Later in the list than the player, so deleted in the same pass.
    EXPECT_EQ(board.Field.Units.size(), 1U);
}

TEST_F(TGameFieldTest, ASpawnGivesUpAfterSixTakenCells)
{
    TBoard board({
        "####",
        "#12#",
        "####",
    });
    SeedSoThatDraw(3, 6, 0); // two blinks, then the spawn's draw
    const auto before = Random::State();
    board.Tick();
    EXPECT_EQ(board.Field.Units.size(), 2U);
    // Both blinks, the spawn's draw, then six tries of two draws each.
    EXPECT_EQ(Random::State(), StateAfterDraws(before, 15));
}

TEST_F(TGameFieldTest, ABusyGameTriesToSpawnOnOneTickInThree)
{
    for (const bool busy : {false, true}) {
        TBoard board({
            "####",
            "#1.#",
            "####",
        });
        board.Field.Busy = busy;
        SeedSoThatDraw(2, 6, 3); // after the blink: 3 mod 6, which is 0 mod 3
        const auto before = Random::State();
        board.Tick();
        // Only a try draws more than the blink and the spawn's own draw.
        EXPECT_EQ(Random::State() != StateAfterDraws(before, 2), busy);
    }
}

TEST_F(TGameFieldTest, BackHomeScoresTheTrailAndSetsTheHighScoreOnlyThen)
{
    TBoard board({
        "#######",
        "#.....#",
        "#.Sc..#",
        "#.....#",
        "#######",
    });
    auto& player = board.Player(0);
    board.Head(0, 1, 0);
    EXPECT_EQ(board.Tick(), Sounds{0});
    EXPECT_EQ(player.Score, 1);
    EXPECT_EQ(board.Field.HighScore, 0); // not while the game runs
    board.Press(0, KeyDown);
    board.Tick();
    board.Press(0, KeyLeft);
    board.Tick();
    board.Press(0, KeyUp);
    EXPECT_EQ(board.Tick(), Sounds{Back});
    EXPECT_TRUE(player.AtHome);
    EXPECT_TRUE(board.Field.Over);
    EXPECT_EQ(board.Field.Message, "Back Home");
    EXPECT_EQ(player.Score, 2); // the cake, and its trail cell brought home
    EXPECT_EQ(board.Field.HighScore, 2);
    EXPECT_EQ(board.Picture()[2], "#.H...#");
}

TEST_F(TGameFieldTest, TwoPlayerGamesEndWhenEitherIsStuck)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"#1#2.#", "P1 is Stuck"},
        {"#.1#2#", "P2 is Stuck"},
        {"#1#2##", "Both are Stuck"},
        // P1 is blocked by P2 and stuck; P2 still steps, blocked by P1.
        {"##12##", "Both are Stuck"},
    };
    for (const auto& [row, message] : cases) {
        TBoard board({"######", row, "######"});
        EXPECT_EQ(board.Tick(), Sounds{GameOver}) << row;
        EXPECT_EQ(board.Field.Message, message) << row;
        EXPECT_TRUE(board.Field.Over) << row;
    }
}

TEST_F(TGameFieldTest, EitherPlayersScoreCanBecomeTheHighScore)
{
    TBoard board({
        "#######",
        "#1#.g2#",
        "#######",
    });
    board.Field.HighScore = 0;
    board.Head(1, -1, 0);
    board.Tick(); // P1 is stuck at once; P2 eats the gelato on the same tick
    EXPECT_EQ(board.Field.Message, "P1 is Stuck");
    EXPECT_EQ(board.Field.HighScore, 1);

    TBoard equal({
        "#####",
        "#1#.#",
        "#####",
    });
    equal.Field.HighScore = 7;
    equal.Player(0).Score = 7;
    equal.Tick();
    EXPECT_EQ(equal.Field.HighScore, 7);
}

TEST_F(TGameFieldTest, StatusTextsKeepTheirBlanks)
{
    TBoard one({"###", "#1#", "###"});
    one.Player(0).Score = 3;
    one.Field.HighScore = 12;
    one.Field.Message = "Got a Stamp";
    EXPECT_EQ(one.Field.StatusLeftText(), " Got a Stamp");
    EXPECT_EQ(one.Field.StatusRightText(), "Sc: 3  Hi: 12 ");

    TBoard two({"####", "#12#", "####"});
    two.Player(0).Score = 5;
    two.Player(1).Score = 2;
    two.Field.HighScore = 99; // never shown in a two-player game
    two.Field.Message = "P2 is Stuck";
    EXPECT_EQ(two.Field.StatusRightText(), "P1: 5  P2: 2 ");

    TBoard none({"###", "#.#", "###"});
    none.Field.Message = "Started";
    EXPECT_EQ(none.Field.StatusRightText(), " Started ");
}

TEST_F(TGameFieldTest, DrawRepaintsChangedCellsThenTheWholeStatusStrip)
{
    TBoard board({
        "#####",
        "#1c.#",
        "#####",
    });
    board.Head(0, 1, 0);
    board.Step(); // the player eats the cake and leaves a trail cell behind
    board.Field.Message = "Got a Tolmkuchen";

    TReplayCanvas canvas;
    board.Field.Draw(canvas, TReplayImageList());
    ASSERT_EQ(canvas.Cells.size(), 2U);
    EXPECT_EQ(canvas.Cells[0].Cell, (TPoint{1, 1}));
    EXPECT_EQ(canvas.Cells[0].Image, 3); // trail: the cake picture
    EXPECT_EQ(canvas.Cells[1].Cell, (TPoint{2, 1}));
    EXPECT_EQ(canvas.Cells[1].Image, 6); // the player hides what lies below
    EXPECT_EQ(canvas.StrayImages, 0);

    // Text 19 high in a strip 24 high at 304: top at 306. The right text
    // ends at the strip's right edge.
    ASSERT_EQ(canvas.Texts.size(), 2U);
    EXPECT_EQ(canvas.Texts[0].X, 0);
    EXPECT_EQ(canvas.Texts[0].Y, 306);
    EXPECT_EQ(canvas.Texts[1].Text, "Sc: 1  Hi: 0 ");
    EXPECT_EQ(canvas.Texts[1].X, 336 - 13 * TReplayCanvas::GlyphWidth);
    EXPECT_TRUE(canvas.Texts[0].Opaque && canvas.Texts[1].Opaque);

    canvas.Clear();
    board.Field.Draw(canvas, TReplayImageList());
    EXPECT_TRUE(canvas.Cells.empty()); // nothing changed in between
    EXPECT_EQ(canvas.Texts.size(), 2U);
}

TEST_F(TGameFieldTest, ACellOfOpenGroundGetsGroundOnly)
{
    TBoard board({
        "####",
        "#1.#",
        "####",
    });
    board.Head(0, 1, 0);
    board.Step();
    TReplayCanvas canvas;
    board.Field.Draw(canvas, TReplayImageList());
    ASSERT_EQ(canvas.Cells.size(), 2U);
    EXPECT_EQ(canvas.Cells[0].Image, TReplayCanvas::NoImage);
}

} // namespace

#include "Board.h"
#include "Random.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::string>;
using Sounds = std::vector<int>;
constexpr int Collision = 3;

class TGamePlayerUnitTest : public ::testing::Test {
protected:
    void SetUp() override { Random::Seed(1); }
};

TEST_F(TGamePlayerUnitTest, WaitsForAFirstDirectionButStillBlinksAndMarksItsCell)
{
    TBoard board({
        "#####",
        "#.1.#",
        "#####",
    });
    const auto before = Random::State();
    EXPECT_EQ(board.Step(), Sounds{});
    EXPECT_EQ(board.Picture()[1], "#.1.#");
    ASSERT_EQ(board.Field.Map.DirtyCount(), 1);
    EXPECT_EQ(board.Field.Map.DirtyCell(0), (TPoint{2, 1}));
    const auto after = Random::State();
    Random::SetState(before);
    Random::Draw(); // the blink's, and no shuffle
    EXPECT_EQ(after, Random::State());

    board.Press(0, KeyRight);
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#..1#");
}

TEST_F(TGamePlayerUnitTest, TheRequestWinsOverTheCurrentDirection)
{
    TBoard board({
        "#######",
        "#.....#",
        "#..1..#",
        "#######",
    });
    board.Head(0, 1, 0);
    board.Press(0, KeyUp);
    EXPECT_EQ(board.Step(), Sounds{}); // a turn by request is not a collision
    EXPECT_EQ(board.Picture()[1], "#..1..#");
    EXPECT_EQ(board.Player(0).LastDx, 1);
    EXPECT_EQ(board.Player(0).LastDy, -1);
}

TEST_F(TGamePlayerUnitTest, ARequestIntoABlockedCellGoesOnStraightSilently)
{
    TBoard board({
        "#######",
        "#..+..#",
        "#..1..#",
        "#######",
    });
    board.Head(0, 1, 0);
    board.Press(0, KeyUp);
    EXPECT_EQ(board.Step(), Sounds{});
    EXPECT_EQ(board.Picture()[2], "#...1.#");
}

TEST_F(TGamePlayerUnitTest, AtAWallTurnsToTheLastVerticalDirectionAndIsHeard)
{
    TBoard board({
        "#####",
        "#...#",
        "#.1##",
        "#...#",
        "#####",
    });
    auto& player = board.Player(0);
    board.Head(0, 1, 0);
    player.LastDy = 1; // it came down before it went right
    EXPECT_EQ(board.Step(), Sounds{Collision});
    EXPECT_EQ(board.Picture()[3], "#.1.#");
    EXPECT_EQ(player.Dx, 0);
    EXPECT_EQ(player.Dy, 1);
}

// Moving right into a wall with no vertical direction yet: the shuffled four
// directions decide. Seed 1 shuffles them to down, up, left, right; seed 4
// to right, up, down, left; seed 5 to left, up, right, down. Each shuffle
// swaps candidate 4 + i with 4 + (draw mod 4) after the blink's draw.
TEST_F(TGamePlayerUnitTest, ForcedTurnsFollowTheShuffledOrder)
{
    const Rows start = {
        "#####", "#...#", "#.1##", "#...#", "#####",
    };
    for (const auto& [seed, x, y, heard] :
         {std::tuple{1U, 2, 3, true}, {4U, 2, 1, true}, {5U, 1, 2, false}}) {
        Random::Seed(seed);
        TBoard board(start);
        board.Head(0, 1, 0);
        const auto sounds = board.Step();
        EXPECT_EQ(board.Player(0).X, x) << "seed " << seed;
        EXPECT_EQ(board.Player(0).Y, y) << "seed " << seed;
        // Turning back to the left is a reversal, never heard.
        EXPECT_EQ(sounds, heard ? Sounds{Collision} : Sounds{}) << "seed " << seed;
    }
}

TEST_F(TGamePlayerUnitTest, EveryMovingStepMakesFiveDraws)
{
    TBoard board({
        "#####",
        "#.1.#",
        "#####",
    });
    board.Head(0, 1, 0);
    const auto before = Random::State();
    board.Step();
    const auto after = Random::State();
    Random::SetState(before);
    for (int i = 0; i < 5; ++i) // the blink, then four for the shuffle
        Random::Draw();
    EXPECT_EQ(after, Random::State());
}

TEST_F(TGamePlayerUnitTest, ATurnInACorridorIsNotHeard)
{
    TBoard board({
        "#####",
        "##.##",
        "#o1##",
        "#####",
    });
    board.Head(0, 1, 0);
    EXPECT_EQ(board.Step(), Sounds{}); // one way out: no collision
    EXPECT_EQ(board.Picture()[1], "##1##");
}

TEST_F(TGamePlayerUnitTest, AFirstMoveNeverSoundsLikeACollision)
{
    TBoard board({
        "#####",
        "#.1##",
        "##.##",
        "#####",
    });
    board.Press(0, KeyRight);
    EXPECT_EQ(board.Step(), Sounds{});
    const auto& player = board.Player(0);
    EXPECT_TRUE((player.X == 1 && player.Y == 1) || (player.X == 2 && player.Y == 2));
}

TEST_F(TGamePlayerUnitTest, TheTrailIsAsLongAsTheCakesEatenAndFollowsOneBehind)
{
    TBoard board({
        "#########",
        "#1cc....#",
        "#########",
    });
    board.Head(0, 1, 0);
    EXPECT_EQ(board.Step(), Sounds{0});
    EXPECT_EQ(board.Picture()[1], "#o1c....#");
    EXPECT_EQ(board.Field.Message, "Got a Tolmkuchen");
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#oo1....#");
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#.oo1...#");
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#..oo1..#");
    EXPECT_EQ(board.Player(0).Trail.size(), 2U);
    EXPECT_EQ(board.Player(0).Score, 2);
    EXPECT_EQ(board.Player(0).Growth, 0);
}

TEST_F(TGamePlayerUnitTest, ReversalIsBlockedByTheTrailButNotByOpenGround)
{
    TBoard open({
        "#######",
        "#..1..#",
        "#######",
    });
    open.Head(0, 1, 0);
    open.Press(0, KeyLeft);
    EXPECT_EQ(open.Step(), Sounds{});
    EXPECT_EQ(open.Picture()[1], "#.1...#");

    TBoard trailed({
        "########",
        "#.1c...#",
        "########",
    });
    trailed.Head(0, 1, 0);
    trailed.Step();
    trailed.Press(0, KeyLeft);
    EXPECT_EQ(trailed.Step(), Sounds{});
    EXPECT_EQ(trailed.Picture()[1], "#..o1..#");
}

TEST_F(TGamePlayerUnitTest, ItemsScoreAndPlayTheirSound)
{
    TBoard board({
        "#######",
        "#1sg..#",
        "#######",
    });
    board.Head(0, 1, 0);
    EXPECT_EQ(board.Step(), Sounds{1});
    EXPECT_EQ(board.Field.Message, "Got a Stamp");
    EXPECT_EQ(board.Player(0).Score, 0);
    EXPECT_EQ(board.Step(), Sounds{2});
    EXPECT_EQ(board.Field.Message, "Got a Gelato");
    EXPECT_EQ(board.Player(0).Score, 1);
    EXPECT_TRUE(board.Player(0).Trail.empty());
}

TEST_F(TGamePlayerUnitTest, TheOtherPlayerBlocksLikeAWall)
{
    TBoard board({
        "######",
        "#.12.#",
        "######",
    });
    board.Head(0, 1, 0);
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#1.2.#"); // the only way out was back
}

TEST_F(TGamePlayerUnitTest, ADeadEndMakesThePlayerStuckOnlyOnItsNextStep)
{
    TBoard board({
        "#####",
        "#1c##",
        "#####",
    });
    auto& player = board.Player(0);
    board.Head(0, 1, 0);
    board.Step();
    EXPECT_EQ(board.Picture()[1], "#o1##");
    EXPECT_FALSE(player.Stuck);

    board.Step();
    EXPECT_TRUE(player.Stuck);
    EXPECT_EQ(player.Sprite, 12);
    EXPECT_EQ(board.Picture()[1], "#o1##");
}

TEST_F(TGamePlayerUnitTest, AWalledInPlayerIsStuckBeforeItWaitsForAKey)
{
    TBoard board({
        "###",
        "#2#",
        "###",
    });
    board.Step();
    EXPECT_TRUE(board.Field.Players[0]->Stuck);
    EXPECT_EQ(board.Field.Players[0]->Sprite, 22);
}

} // namespace

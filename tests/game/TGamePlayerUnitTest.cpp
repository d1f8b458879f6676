#include "Board.h"
#include "Random.h"

#include <gtest/gtest.h>

namespace {

constexpr int Collision = 3;

// One step of player 1 from a picture, with the seed, the steps it has taken
// and the key events since the last tick; whether a collision was heard.
struct TMove {
    const char* Name;
    std::uint32_t Seed;
    const char* Before;
    const char* Heading;
    const char* Keys;
    const char* After;
    bool Heard;
};

// At a wall with no way given, the four directions are tried in an order
// shuffled by swapping direction i with (draw mod 4), after the blink's draw:
// seed 1 gives down, up, left, right; seed 4 right, up, down, left; seed 5
// left, up, right, down.
TEST(TGamePlayerUnitTest, ChoosesItsStep)
{
    const char* const wall = "##### #...# #.1## #...# #####";
    const char* const open = "##### #...# #.1.# #...# #####";
    const std::vector<TMove> moves = {
        {"waits for a first key", 1, open, "", "", open, false},
        {"a first key", 1, open, "", "R", "##### #...# #..1# #...# #####", false},
        {"a first move is never heard", 1, "##### #.1## ##.## #####", "", "R",
         "##### #..## ##1## #####", false},
        {"the request wins", 1, open, "R", "U", "##### #.1.# #...# #...# #####", false},
        {"a blocked request", 1, "##### #.+.# #.1.# #####", "R", "U", "##### #.+.# #..1# #####",
         false},
        {"a reversal in the open", 1, open, "R", "L", "##### #...# #1..# #...# #####", false},
        {"a tap between two ticks", 1, open, "R", "Dd", "##### #...# #...# #.1.# #####", false},
        {"a held key beats a newer tap", 1, open, "R", "UDd", "##### #.1.# #...# #...# #####",
         false},
        {"a wall, the last vertical step", 4, wall, "DR", "", "##### #...# #..## #.1.# #####",
         true},
        {"a wall, the shuffle of seed 1", 1, wall, "R", "", "##### #...# #..## #.1.# #####", true},
        {"a wall, the shuffle of seed 4", 4, wall, "R", "", "##### #.1.# #..## #...# #####", true},
        {"turning back is never heard", 5, wall, "R", "", "##### #...# #1.## #...# #####", false},
        {"one way out, unheard", 1, "##### ##.## #o1## #####", "R", "", "##### ##1## #o.## #####",
         false},
        {"the other player blocks", 1, "###### #.12.# ######", "R", "", "###### #1.2.# ######",
         false},
    };
    for (const TMove& move : moves) {
        SCOPED_TRACE(move.Name);
        Random::Seed(move.Seed);
        TBoard board(move.Before);
        board.Head(0, move.Heading);
        board.Keys(move.Keys);
        EXPECT_EQ(board.Step(), move.Heard ? TSounds{Collision} : TSounds{});
        EXPECT_EQ(board.Picture(), move.After);
    }
}

// A cake makes the trail one cell longer; the trail follows one cell behind.
TEST(TGamePlayerUnitTest, ItemsGiveTheirEffect)
{
    struct TPickUp {
        const char* After;
        int Score;
        const char* Message;
        TSounds Sounds;
    };
    TBoard board("######### #1csg...# #########");
    board.Head(0, "R");
    const std::vector<TPickUp> steps = {
        {"#o1sg...#", 1, "Got a Tolmkuchen", {0}},
        {"#.o1g...#", 1, "Got a Stamp", {1}},
        {"#..o1...#", 2, "Got a Gelato", {2}},
        {"#...o1..#", 2, "Got a Gelato", {}},
    };
    for (const TPickUp& step : steps) {
        EXPECT_EQ(board.Step(), step.Sounds);
        EXPECT_EQ(board.Picture(), std::string("######### ") + step.After + " #########");
        EXPECT_EQ(board.Field.Players[0]->Score, step.Score);
        EXPECT_EQ(board.Field.Message, step.Message);
    }
}

} // namespace

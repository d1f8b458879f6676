#include "Board.h"
#include "Random.h"

#include <gtest/gtest.h>

namespace {

constexpr int Collision = 3;

// One step of player 1 from a picture, with the seed, the steps it has taken
// and the key events since the last tick; how many collisions were heard.
using TMove = std::tuple<const char*, int, const char*, const char*, const char*, const char*, int>;

// At a wall with no way given, the four directions are tried in an order shuffled by swapping
// direction i with (draw mod 4), after the blink's draw: seed 1 gives down, up, left, right; seed 4
// right, up, down, left; seed 5 left, up, right, down.
TEST(TGamePlayerUnitTest, ChoosesItsStepAndTakesWhatItMeets)
{
    const char* const wall = "##### #...# #.1## #...# #####";
    const char* const open = "##### #...# #.1.# #...# #####";
    const std::vector<TMove> moves = {
        {"waits for a first key", 1, open, "", "", open, 0},
        {"a first key", 1, open, "", "R", "##### #...# #..1# #...# #####", 0},
        {"a first move is never heard", 1, "##### #.1## ##.## #####", "", "R",
         "##### #..## ##1## #####", 0},
        {"the request wins", 1, open, "R", "U", "##### #.1.# #...# #...# #####", 0},
        {"a blocked request", 1, "##### #.+.# #.1.# #####", "R", "U", "##### #.+.# #..1# #####", 0},
        {"a reversal in the open", 1, open, "R", "L", "##### #...# #1..# #...# #####", 0},
        {"a tap between two ticks", 1, open, "R", "Dd", "##### #...# #...# #.1.# #####", 0},
        {"a held key beats a newer tap", 1, open, "R", "UDd", "##### #.1.# #...# #...# #####", 0},
        {"a wall, the last vertical step", 4, wall, "DR", "", "##### #...# #..## #.1.# #####", 1},
        {"a wall, the shuffle of seed 1", 1, wall, "R", "", "##### #...# #..## #.1.# #####", 1},
        {"a wall, the shuffle of seed 4", 4, wall, "R", "", "##### #.1.# #..## #...# #####", 1},
        {"turning back is never heard", 5, wall, "R", "", "##### #...# #1.## #...# #####", 0},
        {"one way out", 1, "##### ##.## #o1## #####", "R", "", "##### ##1## #o.## #####", 0},
        {"the other player blocks", 1, "###### #.12.# ######", "R", "", "###### #1.2.# ######", 0},
    };
    for (const auto& [name, seed, before, heading, keys, after, heard] : moves) {
        SCOPED_TRACE(name);
        Random::Seed(seed);
        TBoard board(before);
        board.Head(0, heading);
        board.Keys(keys);
        EXPECT_EQ(board.Step(), TSounds(heard, Collision));
        EXPECT_EQ(board.Picture(), after);
    }

    // A cake makes the trail one cell longer; the trail follows one cell behind.
    TBoard board("######### #1csg...# #########");
    board.Head(0, "R");
    const std::vector<std::tuple<const char*, int, const char*, TSounds>> steps = {
        {"#o1sg...#", 1, "Got a Tolmkuchen", {0}},
        {"#.o1g...#", 1, "Got a Stamp", {1}},
        {"#..o1...#", 2, "Got a Gelato", {2}},
        {"#...o1..#", 2, "Got a Gelato", {}},
    };
    for (const auto& [after, score, message, sounds] : steps) {
        EXPECT_EQ(board.Step(), sounds);
        EXPECT_EQ(board.Picture(), std::string("######### ") + after + " #########");
        EXPECT_EQ(board.Field.Players[0]->Score, score);
        EXPECT_EQ(board.Field.Message, message);
    }
}

} // namespace

#include "Board.h"

#include <gtest/gtest.h>

namespace {

// A player blocks; items and the home can be entered, but nothing new may be
// placed on them. The grid's edge blocks like a bush.
TEST(TGameMapTest, WhatCanBeEnteredAndWhatCanBePlacedOn)
{
    const TBoard board("1Hc #+o ...");
    const TGameMap& map = board.Field.Map;
    EXPECT_EQ(board.Cells([&](int x, int y) { return map.IsPassable(x, y) ? 'p' : '-'; }),
              "-pp --- ppp");
    EXPECT_EQ(board.Cells([&](int x, int y) { return map.IsFree(x, y) ? 'f' : '-'; }),
              "--- --- fff");
    EXPECT_EQ(board.Cells([&](int x, int y) { return std::to_string(map.CountPassable(x, y)); }),
              "111 122 121");
}

} // namespace

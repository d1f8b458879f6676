#include "TGameMap.h"
#include "TGameHomeUnit.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"

#include <gtest/gtest.h>

namespace {

TEST(TGameMapTest, CountPassableTreatsTheGridEdgeAsBlocked)
{
    const TGameMap map(21, 19);
    EXPECT_EQ(map.CountPassable(0, 0), 2);
    EXPECT_EQ(map.CountPassable(20, 18), 2);
    EXPECT_EQ(map.CountPassable(20, 0), 2);
    EXPECT_EQ(map.CountPassable(10, 0), 3);
    EXPECT_EQ(map.CountPassable(0, 9), 3);
    EXPECT_EQ(map.CountPassable(20, 9), 3);
    EXPECT_EQ(map.CountPassable(10, 9), 4);
    for (const auto& [x, y] : {std::pair{-1, 0}, {21, 0}, {0, -1}, {0, 19}, {-1, -1}})
        EXPECT_FALSE(map.IsPassable(x, y)) << x << "," << y;
}

TEST(TGameMapTest, ItemsAndHomesCanBeEnteredButNotPlacedOn)
{
    TGameMap map(5, 5);
    TGamePlayerUnit player(0);
    TGameHomeUnit home;
    TGameTargetUnit cake(itCake);
    map.SetUnit(1, 1, &player);
    map.SetUnit(2, 1, &home);
    map.SetUnit(3, 1, &cake);
    map.SetTerrain(1, 2, gtBush);
    map.SetTerrain(2, 2, gtFence);
    map.SetTerrain(3, 2, gtTrail);

    EXPECT_FALSE(map.IsPassable(1, 1));
    EXPECT_FALSE(map.IsFree(1, 1));
    for (int x : {2, 3}) {
        EXPECT_TRUE(map.IsPassable(x, 1));
        EXPECT_FALSE(map.IsFree(x, 1));
    }
    for (int x : {1, 2, 3}) {
        EXPECT_FALSE(map.IsPassable(x, 2));
        EXPECT_FALSE(map.IsFree(x, 2));
    }
    EXPECT_TRUE(map.IsFree(4, 4));
    // Left: player; right: open; up: open; down: fence.
    EXPECT_EQ(map.CountPassable(2, 1), 2);
}

TEST(TGameMapTest, DirtyListHoldsEachCellOnceInFirstMarkedOrder)
{
    TGameMap map(4, 3);
    EXPECT_EQ(map.DirtyCount(), 0);
    map.SetTerrain(2, 1, gtBush);
    map.SetUnit(0, 2, nullptr); // an unchanged value still marks
    map.MarkDirty(2, 1);
    map.SetTerrain(2, 1, gtBush);
    ASSERT_EQ(map.DirtyCount(), 2);
    EXPECT_EQ(map.DirtyCell(0), (TPoint{2, 1}));
    EXPECT_EQ(map.DirtyCell(1), (TPoint{0, 2}));

    map.ClearDirty();
    EXPECT_EQ(map.DirtyCount(), 0);
    map.MarkDirty(0, 2); // the flags were reset: the cell is listed again
    ASSERT_EQ(map.DirtyCount(), 1);
    EXPECT_EQ(map.DirtyCell(0), (TPoint{0, 2}));
}

TEST(TGameMapTest, ClearEmptiesAndListsEveryCellColumnByColumn)
{
    TGameMap map(21, 19);
    TGameHomeUnit home;
    map.SetTerrain(5, 6, gtFence);
    map.SetUnit(7, 8, &home);
    map.ClearDirty();
    map.MarkDirty(20, 18); // already listed cells keep their place

    map.Clear();

    ASSERT_EQ(map.DirtyCount(), 399);
    EXPECT_EQ(map.DirtyCell(0), (TPoint{20, 18}));
    EXPECT_EQ(map.DirtyCell(1), (TPoint{0, 0}));
    EXPECT_EQ(map.DirtyCell(19), (TPoint{0, 18}));
    EXPECT_EQ(map.DirtyCell(20), (TPoint{1, 0}));
    EXPECT_EQ(map.DirtyCell(398), (TPoint{20, 17}));
    EXPECT_EQ(map.GetTerrain(5, 6), gtEmpty);
    EXPECT_EQ(map.GetUnit(7, 8), nullptr);
}

} // namespace

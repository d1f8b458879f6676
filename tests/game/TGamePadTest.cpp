#include "TGamePad.h"
#include "Common.h"
#include "TReplayKeyboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int Left = 0x25;
constexpr int Right = 0x27;
constexpr int Up = 0x26;
constexpr int Down = 0x28;

std::vector<int> Held(const TGamePad& pad)
{
    std::vector<int> keys;
    for (int pos = 0; pad.HeldAt(pos) != -1; ++pos)
        keys.push_back(pad.HeldAt(pos));
    return keys;
}

std::vector<int> Pressed(const TGamePad& pad)
{
    std::vector<int> keys;
    for (int pos = 0; pad.PressedAt(pos) != -1; ++pos)
        keys.push_back(pad.PressedAt(pos));
    return keys;
}

class TGamePadTest : public ::testing::Test {
protected:
    void SetUp() override { Pad.SetKeys(Common::KeyTable[0]); }
    TGamePad Pad;
};

// Key indices: 0 left, 1 right, 2 up, 3 down.
TEST_F(TGamePadTest, WorkedSequence)
{
    Pad.KeyDown(Left);
    EXPECT_EQ(Held(Pad), (std::vector{0}));
    EXPECT_EQ(Pressed(Pad), (std::vector{0}));
    Pad.KeyDown(Up);
    EXPECT_EQ(Held(Pad), (std::vector{2, 0}));
    EXPECT_EQ(Pressed(Pad), (std::vector{2, 0}));
    Pad.ClearPressed(); // end of the tick that read "up"
    EXPECT_EQ(Pressed(Pad), (std::vector<int>{}));
    Pad.KeyUp(Up);
    EXPECT_EQ(Held(Pad), (std::vector{0}));
}

TEST_F(TGamePadTest, RepeatedKeyDownOfAHeldKeyChangesNothing)
{
    Pad.KeyDown(Left);
    Pad.KeyDown(Right);
    Pad.ClearPressed();
    Pad.KeyDown(Left); // auto-repeat of a key held behind another
    EXPECT_EQ(Held(Pad), (std::vector{1, 0}));
    EXPECT_EQ(Pressed(Pad), (std::vector<int>{}));
}

TEST_F(TGamePadTest, ReleaseKeepsTheTapInPressed)
{
    Pad.KeyDown(Right);
    Pad.KeyUp(Right);
    Pad.KeyDown(Down);
    Pad.KeyUp(Down);
    EXPECT_EQ(Held(Pad), (std::vector<int>{}));
    EXPECT_EQ(Pressed(Pad), (std::vector{3, 1}));
    Pad.KeyDown(Right); // pressed again: back to the front, listed once
    EXPECT_EQ(Pressed(Pad), (std::vector{1, 3}));
}

TEST_F(TGamePadTest, IgnoresKeysThatAreNotItsOwn)
{
    for (int code : {0x41, 0x44, 0x57, 0x53, Common::KeySpace, Common::KeyEnter, 0})
        Pad.KeyDown(code);
    EXPECT_EQ(Held(Pad), (std::vector<int>{}));
    EXPECT_EQ(Pressed(Pad), (std::vector<int>{}));
}

TEST_F(TGamePadTest, PollFindsKeysInIndexOrderAndRepairsLostReleases)
{
    TReplayKeyboard keyboard;
    for (int code : {Left, Right, Up, Down})
        keyboard.Press(code);
    Pad.PollKeys(keyboard);
    // Found by one poll: the highest index ends up in front.
    EXPECT_EQ(Held(Pad), (std::vector{3, 2, 1, 0}));
    EXPECT_EQ(Pressed(Pad), (std::vector{3, 2, 1, 0}));

    Pad.ClearPressed();
    keyboard.Release(Down); // its key-up event went to another window
    Pad.PollKeys(keyboard);
    EXPECT_EQ(Held(Pad), (std::vector{2, 1, 0}));
    EXPECT_EQ(Pressed(Pad), (std::vector<int>{}));
}

TEST_F(TGamePadTest, KeyCountChangeEmptiesBothListsOnlyWhenItChanges)
{
    Pad.KeyDown(Left);
    Pad.SetKeyCount(4);
    EXPECT_EQ(Held(Pad), (std::vector{0}));
    EXPECT_EQ(Pressed(Pad), (std::vector{0}));
    Pad.SetKeyCount(5);
    EXPECT_EQ(Held(Pad), (std::vector<int>{}));
    EXPECT_EQ(Pressed(Pad), (std::vector<int>{}));
}

TEST_F(TGamePadTest, ReadersGiveMinusOnePastTheEnd)
{
    EXPECT_EQ(Pad.HeldAt(0), -1);
    EXPECT_EQ(Pad.PressedAt(0), -1);
    for (int code : {Left, Right, Up, Down})
        Pad.KeyDown(code);
    EXPECT_EQ(Pad.HeldAt(3), 0);
    EXPECT_EQ(Pad.HeldAt(4), -1);
    EXPECT_EQ(Pad.PressedAt(4), -1);
}

} // namespace

#include "Board.h"

#include <gtest/gtest.h>

namespace {

// Key indices from the newest: 0 left, 1 right, 2 up, 3 down.
std::string List(const TGamePad& pad, int (TGamePad::*at)(int) const)
{
    std::string keys;
    for (int pos = 0; (pad.*at)(pos) >= 0; ++pos)
        keys += std::to_string((pad.*at)(pos));
    return keys;
}

TEST(TGamePadTest, HeldAndPressedKeysNewestFirst)
{
    struct TCase {
        const char* Events;
        const char* Held;
        const char* Pressed;
    };
    for (const TCase& c : {
             TCase{"LU", "20", "20"}, TCase{"LU|u", "0", ""},
             TCase{"LR|L", "10", ""},   // the auto-repeat of a key held behind another
             TCase{"RrDd", "", "31"},   // taps stay pressed until the tick
             TCase{"RrDdR", "1", "13"}, // pressed again: back to the front, listed once
         }) {
        SCOPED_TRACE(c.Events);
        TBoard board("# #");
        board.Keys(c.Events);
        board.Pads[0].KeyDown(Common::KeyTable[1][0]); // not its own: ignored
        EXPECT_EQ(List(board.Pads[0], &TGamePad::HeldAt), c.Held);
        EXPECT_EQ(List(board.Pads[0], &TGamePad::PressedAt), c.Pressed);
    }
}

} // namespace

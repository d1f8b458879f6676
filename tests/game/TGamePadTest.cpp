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
    // Events, then the keys held and the keys pressed.
    for (const auto& [events, held, pressed] : {
             std::tuple{"LU", "20", "20"},
             {"LU|u", "0", ""},
             {"LR|L", "10", ""},   // the auto-repeat of a key held behind another
             {"RrDd", "", "31"},   // taps stay pressed until the tick
             {"RrDdR", "1", "13"}, // pressed again: back to the front, listed once
         }) {
        SCOPED_TRACE(events);
        TBoard board("# #");
        board.Keys(events);
        board.Pads[0].KeyDown(Common::KeyTable[1][0]); // not its own: ignored
        EXPECT_EQ(List(board.Pads[0], &TGamePad::HeldAt), held);
        EXPECT_EQ(List(board.Pads[0], &TGamePad::PressedAt), pressed);
    }
}

} // namespace

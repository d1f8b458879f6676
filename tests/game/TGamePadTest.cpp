#include "Board.h"

#include <gtest/gtest.h>

namespace {

// Events, then the keys held and the keys pressed as key indices from the
// newest: 0 left, 1 right, 2 up, 3 down.
TEST(TGamePadTest, HeldAndPressedKeysNewestFirst)
{
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
        for (const auto& [at, keys] :
             {std::pair{&TGamePad::HeldAt, held}, {&TGamePad::PressedAt, pressed}}) {
            std::string listed;
            for (int pos = 0; (board.Pads[0].*at)(pos) >= 0; ++pos)
                listed += std::to_string((board.Pads[0].*at)(pos));
            EXPECT_EQ(listed, keys);
        }
    }
}

} // namespace

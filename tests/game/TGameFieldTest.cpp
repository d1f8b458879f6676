#include "Board.h"
#include "Random.h"
#include "TReplayCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr int Back = 4, GameOver = 5;

// Ticks until the game ends; the high score changes only then, and never
// by the score of the computer's player.
TEST(TGameFieldTest, HowGamesEndWhatTheStatusLineShowsAndWhatItemsLeave)
{
    const std::vector<std::tuple<const char*, const char*, TSounds, int, bool>> ends = {
        {"#1#.##", "Game Over", {GameOver}, 0, false},
        {"#Hcc1#", "Back Home", {0, 0, Back}, 4, false}, // two cakes and their trail brought home
        {"#1#2.#", "P1 is Stuck", {GameOver}, 0, false},
        {"#.1#2#", "P2 is Stuck", {GameOver}, 0, false},
        {"#1#2##", "Both are Stuck", {GameOver}, 0, false},
        // P1 is blocked by P2 and stuck; P2 still steps, blocked by P1.
        {"##12##", "Both are Stuck", {GameOver}, 0, false},
        {"#1#g2#", "P1 is Stuck", {2, GameOver}, 1, false}, // P2 eats on the last tick
        {"#1#g2#", "P1 is Stuck", {2, GameOver}, 0, true},
        {"#g12##", "P1 is Stuck", {2, GameOver}, 1, true},
    };
    for (const auto& [row, message, heard, highScore, computer] : ends) {
        SCOPED_TRACE(row);
        Random::Seed(1);
        TBoard board(std::string("###### ") + row + " ######");
        board.Field.ComputerOpponent = computer;
        for (std::size_t p = 0; p < board.Field.Players.size(); ++p)
            board.Head(static_cast<int>(p), "L");
        TSounds sounds;
        for (int tick = 0; tick < 3 && !board.Field.Over; ++tick) {
            std::ranges::copy(board.Step(true), std::back_inserter(sounds));
            EXPECT_EQ(board.Field.HighScore, board.Field.Over ? highScore : 0);
        }
        EXPECT_EQ(sounds, heard);
        EXPECT_EQ(board.Field.Message, message);
    }

    // The status line as drawn, blanks included: text 19 high in the strip 24
    // high at 304 has its top at 306, and the scores end at its right edge.
    for (const auto& [picture, message, left, right] :
         {std::tuple{"#1# ###", "Got a Stamp", " Got a Stamp", "Sc: 3  Hi: 12 "},
          {"12# ###", "P2 is Stuck", " P2 is Stuck", "P1: 3  P2: 2 "},
          {"..# ###", "Started", " Started", " Started "}}) {
        SCOPED_TRACE(picture);
        TBoard board(picture);
        for (TGamePlayerUnit* player : board.Field.Players)
            player->Score = 3 - player->Index;
        board.Field.HighScore = 12; // never shown in a two-player game
        board.Field.Message = message;
        TReplayCanvas canvas;
        board.Field.Draw(canvas, TReplayImageList());
        ASSERT_EQ(canvas.Texts.size(), 2U);
        EXPECT_EQ(canvas.Texts[0].Text, left);
        EXPECT_EQ(canvas.Texts[1].Text, right);
        EXPECT_EQ(canvas.Texts[0].Y + canvas.Texts[1].Y, 2 * 306);
        EXPECT_EQ(canvas.Texts[1].X + TReplayCanvas::GlyphWidth * canvas.Texts[1].Text.size(),
                  336U);
    }

    // What each item leaves behind on the tick its Life ends, and the units left
    // once the next pass has deleted the dead.
    for (const auto& [item, after, units] :
         {std::tuple{'c', 's', 1U}, {'s', '#', 0U}, {'g', '.', 0U}}) {
        SCOPED_TRACE(item);
        TBoard board(std::string("### #") + item + "# ###");
        static_cast<TGameTargetUnit&>(*board.Field.Units[0]).Life = 1;
        board.Step();
        EXPECT_EQ(board.Picture()[5], after);
        board.Step();
        EXPECT_EQ(board.Field.Units.size(), units);
    }
}

} // namespace

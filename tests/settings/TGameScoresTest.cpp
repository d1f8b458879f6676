// The tables of the best games and their text, as tables of input and expected output.
#include "TGameScores.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Scores added in turn to one table, and the table after them as score:turn,
// the newest entry starred.
TEST(TGameScoresTest, TheTenBestStayEqualScoresBelowOlderOnesAndTheTextReadsBack)
{
    const std::vector<std::pair<std::vector<int>, std::string>> cases = {
        {{0, -3}, ""},
        {{5, 9, 5}, "9:1 5:0 5:2*"},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1, 1, 1}, "9:0 8:1 7:2 6:3 5:4 4:5 3:6 2:7 1:8 1:9*"},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1, 1, 2}, "9:0 8:1 7:2 6:3 5:4 4:5 3:6 2:7 2:10* 1:8"},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, INT_MAX},
         "2147483647:10* 1:0 1:1 1:2 1:3 1:4 1:5 1:6 1:7 1:8"},
    };
    for (const auto& [added, kept] : cases) {
        TGameScores scores;
        for (std::size_t i = 0; i < added.size(); ++i)
            scores.Add(TGameScores::TwoPlayers, {std::to_string(i), added[i], "2026-12-07"});
        std::string table;
        for (std::size_t i = 0; const auto& entry : scores.Table(TGameScores::TwoPlayers))
            table += (table.empty() ? "" : " ") + std::to_string(entry.Score) + ":" + entry.Name +
                     (scores.Newest == std::pair(TGameScores::TwoPlayers, i++) ? "*" : "");
        EXPECT_EQ(table, kept);
        EXPECT_TRUE(scores.Table(TGameScores::OnePlayer).empty());
    }

    // Names keep no control characters and at most 32 characters; the text reads back, and a text
    // that is not of the game's writing is turned away whole.
    const std::string long33 = "Ännchen von Tharau ist's, die mir";
    EXPECT_EQ(TGameScores::CleanName("A\tb\r\nc\x7F\x1B[0m"), "Abc[0m");
    EXPECT_EQ(TGameScores::CleanName(long33), long33.substr(0, long33.size() - 1));
    TGameScores scores;
    scores.LastName = "Mia";
    scores.Add(TGameScores::OnePlayer, {"Mia", 12, "2026-12-07"});
    scores.Add(TGameScores::TwoPlayers, {"Ö\n ö", 3, "2026-01-31"});
    scores.Add(TGameScores::AgainstComputer,
               {"Mia", 4, "2026-12-08", TGameLevel::Hard, "a.replay"});
    const std::string text = "Tolm Game scores 2\nlast\tMia\n1\t12\t2026-12-07\tMia\t\t\n"
                             "2\t3\t2026-01-31\tÖ ö\t\t\n3\t4\t2026-12-08\tMia\thard\ta.replay\n";
    EXPECT_EQ(scores.Format(), text);
    scores.Newest.reset();
    EXPECT_EQ(TGameScores::Parse(text), scores);
    // A file of the first version: two tables, four fields a line.
    const std::string first = "Tolm Game scores 1\nlast\tMia\n1\t12\t2026-12-07\tMia\n";
    EXPECT_EQ(TGameScores::Parse(first)->Format(),
              "Tolm Game scores 2\nlast\tMia\n1\t12\t2026-12-07\tMia\t\t\n");
    EXPECT_EQ(TGameScores::Parse("Tolm Game scores 2\nlast\t\n"), TGameScores());
    std::string eleven = "Tolm Game scores 2\n";
    for (int i = 0; i < 11; ++i)
        eleven += "1\t5\t2026-12-07\tx\t\t\n";
    for (const std::string& bad : std::vector<std::string>{
             "", "Tolm Game scores 3\n", "x\n" + text, text + "4\t1\t2026-12-07\tx\t\t\n",
             first + "3\t1\t2026-12-07\tx\n", first + "1\t1\t2026-12-07\tx\t\t\n",
             text + "3\t1\t2026-12-07\tx\t\t\n", text + "3\t1\t2026-12-07\tx\texpert\t\n",
             text + "1\t1\t2026-12-07\tx\teasy\t\n", text + "3\t1\t2026-12-07\tx\teasy\t../a\n",
             text + "1\t0\t2026-12-07\tx\t\t\n", text + "1\t13\t2026-12-07\tx\t\t\n",
             text + "1\t1\t7.12.2026\tx\t\t\n", text + "1\t1\t2026-12-07\tx\t\t\ty\n",
             text + "1\t1\t2026-12-07\t" + std::string(33, 'x') + "\t\t\n",
             text + "1\t1x\t2026-12-07\tx\t\t\n", text + "1\t99999999999\t2026-12-07\tx\t\t\n",
             text + "last\ta\x01\n", eleven})
        EXPECT_EQ(TGameScores::Parse(bad), std::nullopt) << bad;
    EXPECT_EQ(TGameScores::PathIn("/d", "/h"), "/d/tolm-game/scores");
    EXPECT_EQ(TGameScores::PathIn("d", "/h"), "/h/.local/share/tolm-game/scores");
    EXPECT_EQ(TGameScores::PathIn({}, "h"), "");
}

} // namespace

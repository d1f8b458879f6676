#include "TReplayCommand.h"

#include <gtest/gtest.h>

namespace {

// The number a line carries, "skipped", or what is wrong with it.
std::string Outcome(const std::string& line)
{
    try {
        const auto command = TReplayCommand::Parse(line);
        return command ? std::to_string(command->Argument) : "skipped";
    } catch (const TReplayError& error) {
        return error.what();
    }
}

// Each command's own range; numbers past 64 bits, even those that wrap to a
// small one, are out of every range.
TEST(TReplayCommandTest, ReadsLines)
{
    const std::vector<std::pair<const char*, const char*>> lines = {
        {"down 0x25", "37"},
        {"down 0X2f", "47"},
        {"down 037", "37"}, // a leading zero is still decimal
        {"\t seed\t\t4294967295  ", "4294967295"},
        {"highscore 2147483647", "2147483647"},
        {"silentup 65535", "65535"},
        {"random 18446744073709551615", "18446744073709551615"},
        {"down +37", "not a number: \"+37\""},
        {"down 0x", "not a number: \"0x\""},
        {"down 12a", "not a number: \"12a\""},
        {"start 0", R"(number out of range for "start": "0")"},
        {"tick", "missing number after \"tick\""},
        {"draw 1", R"(extra argument "1" after "draw")"},
        {"dump # no trailing comments", R"(extra argument "#" after "dump")"},
        {"Tick 1", "unknown command \"Tick\""},
        {"computer 2 hard", "2"},
        {"computer 2", "missing strength after \"computer\""},
        {"computer 1 expert", "unknown strength \"expert\""},
        {"computer 3 easy", R"(number out of range for "computer": "3")"},
        {"state 0xffffffff 0", "4294967295"},
        {"state 1", "missing number after \"state\""},
        {"state 1 4294967296", R"(number out of range for "state": "4294967296")"},
        {"paused 0", R"(number out of range for "paused": "0")"}};
    for (const auto& [line, outcome] : lines)
        EXPECT_EQ(Outcome(line), outcome) << line;
    for (const char* line : {"", " \t", "   #tick 1"})
        EXPECT_EQ(Outcome(line), "skipped") << line;
    for (const char* line :
         {"seed 4294967296", "busy 2", "start 3", "tick 0", "highscore 2147483648", "down 65536",
          "up 0x10000", "silentdown 70000", "silentup 65536", "random 18446744073709551616",
          "random 184467440737095516160"})
        EXPECT_NE(Outcome(line).find("out of range"), std::string::npos) << line;
}

} // namespace

#include "TReplayCommand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::uint64_t NumberOf(const std::string& line)
{
    const auto command = TReplayCommand::Parse(line);
    EXPECT_TRUE(command.has_value()) << line;
    return command ? command->Argument : 0;
}

std::string ErrorOf(const std::string& line)
{
    try {
        TReplayCommand::Parse(line);
    } catch (const TReplayError& error) {
        return error.what();
    }
    return "no error";
}

TEST(TReplayCommandTest, NumbersAreDecimalOrPrefixedHexadecimal)
{
    EXPECT_EQ(NumberOf("down 0x25"), 0x25U);
    EXPECT_EQ(NumberOf("down 0X2f"), 0x2FU);
    EXPECT_EQ(NumberOf("down 037"), 37U); // a leading zero is still decimal
    EXPECT_EQ(NumberOf("\t seed\t\t4294967295  "), 4294967295U);
    EXPECT_EQ(NumberOf("random 0"), 0U);
    EXPECT_EQ(NumberOf("highscore 2147483647"), 2147483647U);

    EXPECT_EQ(ErrorOf("down +37"), "not a number: \"+37\"");
    EXPECT_EQ(ErrorOf("down -1"), "not a number: \"-1\"");
    EXPECT_EQ(ErrorOf("down 0x"), "not a number: \"0x\"");
    EXPECT_EQ(ErrorOf("down 12a"), "not a number: \"12a\"");
    EXPECT_EQ(ErrorOf("down 0xG1"), "not a number: \"0xG1\"");
}

TEST(TReplayCommandTest, EveryNumberIsCheckedAgainstItsCommandsRange)
{
    for (const char* line : {"seed 4294967296", "busy 2", "start 0", "start 3", "tick 0",
                             "highscore 2147483648", "down 65536", "up 0x10000", "silentdown 70000",
                             "silentup 65536", "random 18446744073709551616"}) {
        EXPECT_NE(ErrorOf(line).find("out of range"), std::string::npos) << line;
    }
    EXPECT_EQ(NumberOf("random 18446744073709551615"), 18446744073709551615U);
    EXPECT_EQ(NumberOf("silentup 65535"), 65535U);
}

TEST(TReplayCommandTest, CommandsTakeExactlyTheirArguments)
{
    EXPECT_EQ(ErrorOf("tick"), "missing number after \"tick\"");
    EXPECT_EQ(ErrorOf("draw 1"), "extra argument \"1\" after \"draw\"");
    EXPECT_EQ(ErrorOf("seed 1 2"), "extra argument \"2\" after \"seed\"");
    EXPECT_EQ(ErrorOf("Tick 1"), "unknown command \"Tick\"");
    EXPECT_EQ(ErrorOf("dump # no trailing comments"), "extra argument \"#\" after \"dump\"");
}

TEST(TReplayCommandTest, BlankAndCommentLinesAreSkipped)
{
    for (const char* line : {"", "   ", "\t", "# comment", "   #tick 1", "#"})
        EXPECT_FALSE(TReplayCommand::Parse(line).has_value()) << line;
    EXPECT_EQ(TReplayCommand::Parse("dump")->Verb, rvDump);
}

} // namespace

#include "TGameIniFile.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// The file, its Settings/Values ("?" for none), the file after writing "new" there.
const std::vector<std::tuple<const char*, const char*, const char*>> IniCases = {
    {"", "?", "[Settings]\r\nValues=new\r\n\r\n"},
    {"[Settings]\nValues=1\n", "1", "[Settings]\r\nValues=new\r\n\r\n"},
    {"[Settings]\rValues=1\r", "1", "[Settings]\r\nValues=new\r\n\r\n"},
    {" \t[ settings ]\x01\r\n  VALUES = a = b \t\r\n", "a = b", "[settings]\r\nVALUES=new\r\n\r\n"},
    {"Values=x\r\n; note\r\n\r\n[Settings]\r\n;Values=y\r\n  loose line \r\n", "?",
     "[Settings]\r\nloose line\r\nValues=new\r\n\r\n"},
    {"[Other]\r\nValues=x\r\n", "?", "[Other]\r\nValues=x\r\n\r\n[Settings]\r\nValues=new\r\n\r\n"},
    {"[Settings]\r\nA=1\r\nValues=\r\nB=2\r\n[Other]\r\nC=3", "",
     "[Settings]\r\nA=1\r\nValues=new\r\nB=2\r\n\r\n[Other]\r\nC=3\r\n\r\n"},
    {"[Settings]\r\nA=1\r\n[Other]\r\nB=2\r\n[SETTINGS]\r\nC=3", "?",
     "[Settings]\r\nA=1\r\nC=3\r\nValues=new\r\n\r\n[Other]\r\nB=2\r\n\r\n"},
};

TEST(TGameIniFileTest, ReadsAndRewritesSettingsValues)
{
    for (const auto& [text, read, written] : IniCases) {
        SCOPED_TRACE(testing::PrintToString(text));
        TGameIniFile file(text);
        EXPECT_EQ(file.ReadString("Settings", "Values", "?"), read);
        file.WriteString("Settings", "Values", "new");
        EXPECT_EQ(file.Text(), written);
    }
}

} // namespace

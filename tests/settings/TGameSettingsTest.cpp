// The settings without a file: the INI text, the value list, the nine values and
// the file's place, as tables of input and expected output.
#include "TGameSettings.h"
#include "CommaText.h"
#include "TGameIniFile.h"
#include "TGameSettingsPlace.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

void PrintTo(const TGameSettings& settings, std::ostream* out)
{
    *out << settings.Format();
}

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

TEST(TGameSettingsTest, TheTextReadsBackAndLivesWhereThePlayerMayWrite)
{
    for (const auto& [text, read, written] : IniCases) {
        SCOPED_TRACE(testing::PrintToString(text));
        TGameIniFile file(text);
        EXPECT_EQ(file.ReadString("Settings", "Values", "?"), read);
        file.WriteString("Settings", "Values", "new");
        EXPECT_EQ(file.Text(), written);
    }
    // The values are apart by commas, each maybe quoted.
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        {"", {}},
        {"a,b", {"a", "b"}},
        {"a,b,", {"a", "b", ""}},
        {",,", {"", "", ""}},
        {" \t a , b ,c ", {"a", "b", "c"}},
        {"a b", {"a", "b"}},
        {R"("x, ""y""" ,z)", {R"(x, "y")", "z"}},
        {"\"open", {"open"}},
    };
    for (const auto& [text, values] : cases)
        EXPECT_EQ(CommaText::Split(text), values) << testing::PrintToString(text);

    // Flags are on unless 0 or false, values past the ninth are ignored, one bad
    // or missing value refuses the whole text, and what Format writes reads back.
    const std::vector<std::pair<const char*, TGameSettings>> settings = {
        {"-1,-1,7,0,0,672,656,10,20,", {{true, true}, {7, false, false}, 672, 656, {{10, 20}}}},
        {"True,false,-2147483648,TRUE,FALSE,1,2,3,4",
         {{true, false}, {INT_MIN, true, false}, 1, 2, {{3, 4}}}},
        {"2,-0,+5,00,1,0,0,-3,-4,x,y", {{true, false}, {5, false, true}, 0, 0, {{-3, -4}}}},
        {"9,-3,7,40,-500,1,2,3,4", {{true, true}, {7, true, true}, 1, 2, {{3, 4}}}},
        {"60,-7,0,8,100000000000000000000,1,2,3,4",
         {{true, true}, {0, true, true}, 1, 2, {{3, 4}}}},
    };
    for (const auto& [text, expected] : settings) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TGameSettings::Parse(text), expected);
        EXPECT_EQ(TGameSettings::Parse(expected.Format()), expected);
    }
    for (const char* bad :
         {"0,-1,5,0,0", "0,-1,1,0,-1,1,1,1", "0,yes,0,0,0,1,1,1,1", "0,0,7,0,-1,336,328,x,20,",
          "0,-1,2147483648,0,-1,1,1,1,1", "0,-1,0x10,0,-1,1,1,1,1", "0,-1,1,0,-1,1,1,1,"})
        EXPECT_EQ(TGameSettings::Parse(bad), std::nullopt) << bad;

    // The file goes beside the program only where the player may write it.
    const std::string beside = "/opt/game/Settings.ini", xdg = "/xdg/tolm-game/Settings.ini";
    const std::string config = "/home/p/.config/tolm-game/Settings.ini";
    // Folder writable, file there, file writable, $XDG_CONFIG_HOME, $HOME.
    const std::vector<std::pair<TGameSettingsPlace::TFacts, TGameSettingsPlace>> places = {
        {{"/opt/game/", true, false, false, "/xdg", "/home/p"}, {beside, ""}},
        {{"/opt/game/", true, true, true, {}, "/home/p"}, {beside, ""}},
        {{"/opt/game/", true, true, false, {}, "/home/p"}, {config, beside}},
        {{"/opt/game/", false, true, true, "xdg", "/home/p"}, {config, beside}},
        {{"/opt/game/", false, false, false, "", "/home/p"}, {config, ""}},
        {{"/opt/game/", false, false, false, "/xdg", "/home/p"}, {xdg, ""}},
        {{"/opt/game/", false, true, false, "/xdg", {}}, {xdg, beside}},
        {{"/opt/game/", false, true, false, {}, {}}, {beside, ""}},
        {{"/opt/game/", false, false, false, "xdg", "home"}, {beside, ""}},
    };
    for (std::size_t row = 0; row < places.size(); ++row) {
        const TGameSettingsPlace chosen = TGameSettingsPlace::Choose(places[row].first);
        EXPECT_EQ(chosen, places[row].second)
            << "row " << row << " chose " << chosen.File << ", defaults " << chosen.Defaults;
    }
}

} // namespace

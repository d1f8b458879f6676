#include "TGameSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

void PrintTo(const TGameSettings& settings, std::ostream* out)
{
    *out << settings.Format();
}

namespace {

using TPosition = TGameSettings::TPosition;

TEST(TGameSettingsTest, ParseAndRoundTrip)
{
    const std::vector<std::pair<const char*, std::optional<TGameSettings>>> cases = {
        {"-1,-1,7,0,0,672,656,10,20,",
         TGameSettings{{true, true}, {7, false, false}, 672, 656, TPosition{10, 20}}},
        {"True,false,-2147483648,TRUE,FALSE,1,2,3,4",
         TGameSettings{{true, false}, {INT_MIN, true, false}, 1, 2, TPosition{3, 4}}},
        {"2,-0,+5,00,1,0,0,-3,-4,x,y",
         TGameSettings{{true, false}, {5, false, true}, 0, 0, TPosition{-3, -4}}},
        {"0,-1,5,0,0", std::nullopt},
        {"0,yes,0,0,0,1,1,1,1", std::nullopt},
        {"0,0,7,0,-1,336,328,x,20,", std::nullopt},
        {"0,-1,2147483648,0,-1,1,1,1,1", std::nullopt},
        {"0,-1,0x10,0,-1,1,1,1,1", std::nullopt},
        {"0,-1,1,0,-1,1,1,1,", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TGameSettings::Parse(text), expected);
        if (expected) {
            EXPECT_EQ(TGameSettings::Parse(expected->Format()), expected);
        }
    }
}

} // namespace

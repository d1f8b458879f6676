#include "CommaText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CommaTextTest, Split)
{
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
    for (const auto& [text, values] : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(CommaText::Split(text), values);
    }
}

} // namespace

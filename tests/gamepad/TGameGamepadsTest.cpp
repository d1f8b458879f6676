#include "TGameGamepads.h"
#include "Common.h"
#include "TVirtualPad.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Steps on virtual pads numbered as plugged: "+" plugs one, "N-" unplugs N,
// "NL" "NR" "NU" "ND" "NS" press its d-pad or Start, lower case lets go, "NxV"
// "NyV" move its stick to V; "|" updates, "!" without focus. Tells each
// update's "[ +25 -25 S0]" (0x25 down, up, player 0's Start), "=" the keys held.
std::string Play(const std::string& script, int lookEvery = 1)
{
    const auto gamepads = TGameGamepads::Open(lookEvery);
    std::vector<std::unique_ptr<TVirtualPad>> pads;
    std::istringstream steps(script);
    std::ostringstream told;
    told << std::hex;
    for (std::string step; steps >> step;) {
        if (step == "+") {
            pads.push_back(std::make_unique<TVirtualPad>());
        } else if (step == "|" || step == "!") {
            told << "[";
            for (const TGameGamepadEvent& event : gamepads->Update(step == "|"))
                told << ' ' << "+-S"[event.Kind] << event.Value;
            told << "]";
        } else {
            TVirtualPad& pad = *pads.at(static_cast<std::size_t>(step[0] - '1'));
            const auto button = std::string("lrudsLRUDS").find(step[1]);
            if (step[1] == '-')
                pad.Unplug();
            else if (button != std::string::npos)
                pad.Set(static_cast<int>(button % 5), button >= 5 ? 1 : 0);
            else
                pad.Set(step[1] == 'y' ? 6 : 5, std::stoi(step.substr(2)));
        }
    }
    told << " =";
    for (const auto& keys : Common::KeyTable)
        for (const int key : keys)
            if (gamepads->IsKeyDown(key))
                told << " " << key;
    return told.str();
}

TEST(TGameGamepadsTest, ControllersSteerTheirPlayersLikeKeys)
{
    ASSERT_NE(TGameGamepads::Open(), nullptr) << "SDL's game controllers cannot start";
    for (const auto& [script, told] : std::initializer_list<std::pair<const char*, const char*>>{
             {"+ | 1x16383 | 1x16384 | 1y-20000 | 1x-8192 1y0 |", "[][][ +27][ -27 +26][ -26] ="},
             {"+ | 1L 1l |", "[][ +25 -25] ="}, // a tap between two updates
             {"+ + | 1L 2U | 1- | + | 3R |", "[][ +25 +57][ -25][][ +27] = 27 57"},
             {"+ + + | 1- | 3R |", "[][][ +27] = 27"}, // the third waited for a place
             {"+ | 1L ! 1R 1r !", "[][][] ="},         // another program has the keyboard
             {"+ | 1L ! |", "[][][] = 25"},            // the poll finds it held again
         })
        EXPECT_EQ(Play(script), told) << script;
    // With none connected, a controller is looked for at every third update.
    EXPECT_EQ(Play("| + | | | 1L 1l |", 3), "[][][][][ +25 -25] =");
}

} // namespace

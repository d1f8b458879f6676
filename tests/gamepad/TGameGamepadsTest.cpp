#include "TGameGamepads.h"
#include "Common.h"
#include "TVirtualPad.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Plays a script of steps apart by blanks on virtual controllers, numbered
// from 1 as plugged: "+" plugs one in, "-N" unplugs N; "NL" "NR" "NU" "ND"
// "NS" press pad N's d-pad left, right, up, down or Start, lower case lets
// go; "NxV" "NyV" move its left stick to V. "|" updates, "!" updates
// without focus. Returns each update's events as "+25" key 0x25 down, "-25"
// up, "S0" player 0's Start, then "=" and the key codes read as held.
std::string Play(const std::string& script)
{
    const auto gamepads = TGameGamepads::Open();
    std::vector<std::unique_ptr<TVirtualPad>> pads;
    std::istringstream steps(script);
    std::ostringstream told;
    told << std::hex;
    for (std::string step; steps >> step;) {
        if (step == "+")
            pads.push_back(std::make_unique<TVirtualPad>());
        else if (step == "|" || step == "!") {
            told << "[";
            for (const TGameGamepadEvent& event : gamepads->Update(step == "|"))
                told << (event.Kind == gekStart     ? " S"
                         : event.Kind == gekKeyDown ? " +"
                                                    : " -")
                     << event.Value;
            told << "]";
        } else {
            TVirtualPad& pad = *pads.at(std::stoul(step.substr(step[0] == '-' ? 1 : 0)) - 1);
            const char what = step[step[0] == '-' ? 0 : 1];
            const auto button = std::string("LRUDS").find(static_cast<char>(toupper(what)));
            static constexpr std::array<int, 5> Buttons = {
                SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                SDL_CONTROLLER_BUTTON_START};
            if (what == '-')
                pad.Unplug();
            else if (what == 'x' || what == 'y')
                pad.Axis(what == 'x' ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY,
                         std::stoi(step.substr(2)));
            else
                pad.Button(Buttons.at(button), isupper(what) != 0);
        }
    }
    told << " =";
    for (const auto& keys : Common::KeyTable) {
        for (const int key : keys) {
            if (gamepads->IsKeyDown(key))
                told << " " << key;
        }
    }
    return told.str();
}

TEST(TGameGamepadsTest, ControllersSteerTheirPlayersLikeKeys)
{
    ASSERT_NE(TGameGamepads::Open(), nullptr) << "SDL's game controllers cannot start";
    struct TCase {
        const char* Script;
        const char* Told;
    };
    for (const TCase& c : {
             TCase{"+ | 1L | |", "[][ +25][] = 25"}, // held: steers on every poll
             TCase{"+ | 1x16383 | 1x16384 | 1y-30000 | 1x-8192 1y0 |",
                   "[][][ +27][ -27 +26][ -26] ="},  // past half, the larger axis
             TCase{"+ | 1L 1l |", "[][ +25 -25] ="}, // a tap between two updates
             TCase{"+ + | 1U 2U |", "[][ +26 +57] = 26 57"},
             TCase{"+ + | 1L 2U | -1 | + | 3R |", "[][ +25 +57][ -25][][ +27] = 27 57"},
             TCase{"+ + | 1S 1s 2S 2s |", "[][ S0 S1] ="},
             TCase{"+ | 1L ! 1R 1r !", "[][][] ="}, // another program has the keyboard
             TCase{"+ | 1L ! |", "[][][] = 25"},    // the poll finds it held again
         }) {
        EXPECT_EQ(Play(c.Script), c.Told) << c.Script;
    }
}

} // namespace

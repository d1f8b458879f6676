#include "TReplayCheck.h"
#include "Common.h"
#include "Random.h"
#include "TGameField.h"
#include "TGameKeyboard.h"
#include "TGameRecorder.h"
#include "TReplaySound.h"

#include <gtest/gtest.h>

namespace {

// Player 1 holds Right, no one else holds anything.
struct TRightHeld : TGameKeyboard {
    bool IsKeyDown(int keyCode) const override { return keyCode == 0x27; }
};

// A game recorded as the view records it plays to its recorded end, and the game's generator
// stays as it was; a text that is no recording, fails on a line, or ends otherwise is refused,
// saying why.
TEST(TReplayCheckTest, ARecordingPlaysToItsEndAndAnyOtherTextIsRefusedSayingWhy)
{
    Random::Seed(3);
    TGameField field(Common::FieldWidth, Common::FieldHeight);
    std::array<TGamePad, 2> pads;
    for (std::size_t p = 0; p < pads.size(); ++p)
        pads[p].SetKeys(Common::KeyTable[p]);
    TReplaySound sound;
    TGameRecorder recorder(sound);
    recorder.Begin(2, field, {&pads[0], &pads[1]}, false);
    field.Start(2);
    const TRightHeld keyboard;
    for (int tick = 0; tick < 30; ++tick) {
        const bool paused = tick % 7 == 3;
        recorder.Poll(keyboard, keyboard);
        for (TGamePad& pad : pads)
            pad.PollKeys(keyboard);
        if (!paused)
            field.Tick({&pads[0], &pads[1]}, recorder);
        for (TGamePad& pad : pads)
            pad.ClearPressed();
        recorder.Ticked(field, paused);
    }
    const std::string good = recorder.Finish(field);
    const std::uint64_t generator = Random::State();
    EXPECT_EQ(TReplayCheck::Problem(good), std::nullopt) << good;
    EXPECT_EQ(Random::State(), generator);

    // Nor does a file run unbounded: no command the game never records, no endless game.
    std::string renamed = good;
    renamed.replace(renamed.find("start"), 5, "jump");
    const std::string end = std::string(TReplayCheck::EndHeading) + "\n";
    for (const auto& [text, problem] : std::vector<std::pair<std::string, std::string>>{
             {"seed 1\nstart 2\ntick 3\n", "no recorded end: not a game recorded by Tolm Game"},
             {renamed, "line 5: unknown command \"jump\""},
             {good + "tick 1\n", "the game ends otherwise than it recorded"},
             {"tick 1\n" + good, "line 1: a tick with no game going on"},
             {"random 99999999999\n" + good, "line 1: a command the game never records"},
             {"start 1\ntick 5\npaused 99999999999\ntick 999996\n" + end,
              "line 4: longer than any game that can be watched"}})
        EXPECT_EQ(TReplayCheck::Problem(text), problem) << text.substr(0, 300);
}

} // namespace

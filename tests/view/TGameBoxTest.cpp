// The game view with its real timer, offscreen: keys, the instructions screen, and long play to the
// end of the view. The tick's way to the screen is the real-window tests'.
#include "TGameBox.h"
#include "Common.h"
#include "Random.h"
#include "TGamePad.h"
#include "TGamePainterCanvas.h"
#include "TPulseServer.h"
#include "TReplayCheck.h"
#include "TScratchFolder.h"
#include "TSpriteCells.h"
#include "TVirtualPad.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace {

class TGameBoxTest : public ::testing::Test {
protected:
    TGameBoxTest() { Box.SetImages(&Sprites()); }

    void Send(QEvent::Type type, Qt::Key key, bool autoRepeat = false)
    {
        Box.HandleKeyEvent(QKeyEvent(type, key, Qt::NoModifier, QString(), autoRepeat));
    }

    TGameBox Box;
};

TEST_F(TGameBoxTest, KeysStartGamesAndPadsSeeThemHeldTillTheGameIsLeft)
{
    Box.ShowInstructions();
    const std::uint64_t before = Random::State();
    Box.NewGame(0);
    Box.NewGame(3);
    Send(QEvent::KeyPress, Qt::Key_Escape);
    Box.KeyDown(Common::KeyP); // no game to pause
    EXPECT_EQ(Box.State(), gbsInstructions);
    EXPECT_FALSE(Box.Paused());
    EXPECT_EQ(Random::State(), before) << "no game was laid out";
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        for (const bool repeated : {false, true}) {
            Box.NewGame(2);
            Send(QEvent::KeyPress, key, repeated);
            EXPECT_EQ(Box.State(), gbsOnePlayer) << QTest::toString(key) << repeated;
        }

    // Auto-repeat arrives as release and press pairs; the pads must see one long press. A key let
    // go while the game was not active is released by the poll.
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_W})
        Send(QEvent::KeyPress, key);
    Send(QEvent::KeyRelease, Qt::Key_Left, true);
    Send(QEvent::KeyPress, Qt::Key_Left, true);
    EXPECT_EQ(Box.Pad(0).HeldAt(0), 1) << "the newest key keeps its place";
    EXPECT_EQ(Box.Pad(0).HeldAt(1), 0);
    EXPECT_EQ(Box.Pad(1).HeldAt(0), 2);
    Send(QEvent::KeyRelease, Qt::Key_W);
    EXPECT_EQ(Box.Pad(1).HeldAt(0), -1);

    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); // another program's window
    EXPECT_TRUE(QTest::qWaitFor([&] { return Box.Pad(0).HeldAt(0) == -1; }, 2000));
    EXPECT_EQ(Box.Pad(0).HeldAt(1), -1);
    EXPECT_TRUE(Box.Paused()) << "the game went on without its players";

    // Against the computer, player 2's pad holds the computer's keys alone, which change as it
    // steers.
    Box.NewComputerGame(TGameLevel::Easy);
    Box.Tick();
    Box.KeyDown(0x57);
    Box.KeyDown(0x25);
    EXPECT_EQ(Box.Pad(1).PressedAt(0), -1) << "a key of player 2 reached the computer's pad";
    EXPECT_EQ(Box.Pad(0).HeldAt(0), 0);
    std::set<int> held;
    for (int tick = 0; tick < 30; ++tick, Box.Tick())
        held.insert(Box.Pad(1).HeldAt(0));
    EXPECT_GE(held.size(), 2U);
}

// Every game is recorded as it is played, and tolm-replay plays the recording to the end it
// recorded: keys between ticks and held across them, pauses with keys tapped and let go in them,
// keys lost while away, the options changed, a game against the computer, one cut short.
TEST_F(TGameBoxTest, ARecordedGamePlaysBackToItsRecordedEnd)
{
    const std::array<int, 8> keys = {0x25, 0x27, 0x26, 0x28, 0x41, 0x44, 0x57, 0x53};
    for (const int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        std::mt19937 draws(static_cast<unsigned>(kind));
        Random::Seed(static_cast<std::uint32_t>(kind));
        Random::Draw(); // a game never starts from a seed alone
        kind == 3 ? Box.NewComputerGame(TGameLevel::Hard) : Box.NewGame(kind);
        // Played to its end, but the game against the computer, cut short.
        int played = 0;
        for (; played < (kind == 3 ? 150 : 3000) && Box.State() != gbsGameOver; ++played) {
            const int key = keys.at(draws() % keys.size());
            const unsigned what = draws() % 40;
            // Few keys held: a tap steers only where none is.
            if (what < 4)
                Box.KeyDown(key);
            else if (what < 12)
                Box.KeyUp(key);
            else if (what < 15)
                Box.KeyDown(key), Box.KeyUp(key); // a tap between two ticks
            else if (what == 15)
                Box.TogglePause();
            else if (what == 16)
                Box.SetOptions({static_cast<int>(draws() % 9), !Box.GetOptions().BusyGame, true});
            else if (what == 17)
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); // keys lost
            Box.Tick();
        }
        Box.ShowInstructions(); // ends a game still running
        const std::uint64_t generator = Random::State();
        EXPECT_EQ(TReplayCheck::Problem(Box.LastRecording()), std::nullopt);
        EXPECT_EQ(Random::State(), generator);

        // Watched at four times the pace, it plays to its end on a field of its own: the game's
        // high score and generator stay as they were.
        Box.SetOptions({999, Box.GetOptions().BusyGame, true});
        EXPECT_TRUE(Box.Watch("tick 1\n"));
        ASSERT_EQ(Box.Watch(Box.LastRecording()), std::nullopt);
        Box.KeyDown(Common::KeyRight), Box.KeyDown(Common::KeyRight);
        int ticks = 0;
        for (; !Box.ReplayOver() && ticks < played; ++ticks)
            Box.Tick();
        EXPECT_LE(ticks, played / 4 + 2);
        EXPECT_EQ(Box.GetOptions().HighScore, 999);
        EXPECT_EQ(Random::State(), generator);
        Box.KeyDown(Common::KeyEscape);
        EXPECT_EQ(Box.State(), gbsInstructions);
        Box.Tick();
        const QImage shown = Box.GetPicture().copy();
        for (int tick = 0; tick < 20; ++tick)
            Box.Tick();
        EXPECT_TRUE(Box.GetPicture() == shown) << "the game cut short plays on behind the instructions";
    }
}

// Two players play a whole game on controllers alone, each steering its own
// player; Start on the second begins it, Start during it pauses and resumes
// it, Start on the first after it a game for one.
TEST_F(TGameBoxTest, TwoPlayersPlayAWholeGameOnControllers)
{
    std::array<TVirtualPad, 2> pads;
    Box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Box)); // the controllers count only then
    for (int tick = 0; tick < 10; ++tick)           // a second's ticks take them
        Box.Tick();
    const auto pressStart = [&](TVirtualPad& pad) { pad.Set(4, 1), Box.Tick(), pad.Set(4, 0); };
    for (const bool paused : {false, true, false}) {
        pressStart(pads[1]);
        EXPECT_EQ(Box.Paused(), paused);
    }
    EXPECT_EQ(Box.State(), gbsTwoPlayers);
    for (int tick = 0; Box.State() == gbsTwoPlayers && tick < 20000; ++tick) {
        const auto direction = [&](int player) { return tick / (3 + player) % 4; };
        pads[0].Set(direction(0), 1);
        pads[1].Set(direction(1), 1);
        Box.Tick();
        ASSERT_EQ(Box.Pad(0).HeldAt(0), direction(0)) << tick;
        ASSERT_EQ(Box.Pad(1).HeldAt(0), direction(1)) << tick;
        pads[0].Set(direction(0), 0);
        pads[1].Set(direction(1), 0);
    }
    EXPECT_EQ(Box.State(), gbsGameOver);
    Box.KeyDown(Common::KeyP); // after its end
    EXPECT_FALSE(Box.Paused());
    // Behind a box Start does nothing, as Space typed into the box does nothing.
    for (const bool boxOpen : {true, false}) {
        QDialog box;
        box.setModal(true);
        box.setVisible(boxOpen);
        pressStart(pads[0]);
        EXPECT_EQ(Box.State(), boxOpen ? gbsGameOver : gbsOnePlayer);
    }
    // A tap between two ticks steers as well: the same game parts from the one left alone.
    const auto played = [&](bool tapped) {
        Random::Seed(5);
        Box.NewGame(1);
        pads[0].Set(1, tapped ? 1 : 0);
        pads[0].Set(1, 0);
        for (int tick = 0; tick < 4; ++tick)
            Box.Tick();
        return Box.GetPicture().copy();
    };
    EXPECT_NE(played(false), played(true));
}

// Paused, a game does not step however long and whatever is pressed: on
// resuming it goes on as if there had been no pause. A new game is unpaused.
TEST_F(TGameBoxTest, APauseLeavesTheGameAsItWas)
{
    const auto play = [&](int pausedTicks) {
        Random::Seed(3);
        Box.NewGame(2);
        for (int tick = 0; tick < 80 + pausedTicks; ++tick) {
            const bool paused = tick >= 40 && tick < 40 + pausedTicks;
            if (pausedTicks > 0 && (tick == 40 || tick == 40 + pausedTicks))
                Box.KeyDown(paused ? Common::KeyP : Common::KeyPause);
            const int key =
                0x25 + (paused ? tick : (tick < 40 ? tick : tick - pausedTicks) / 6) % 4;
            Box.KeyDown(key); // forgotten while paused
            Box.Tick();
            Box.KeyUp(key);
        }
        return Box.GetPicture().copy();
    };
    EXPECT_EQ(play(300), play(0));
    Box.KeyDown(Common::KeyP);
    Box.NewGame(1);
    EXPECT_FALSE(Box.Paused());
}

// Each tick copies to the screen only what it changed; what the screen then shows is what a whole
// repaint shows, at any size of the window. The instructions screen is centred on the picture.
TEST_F(TGameBoxTest, TheScreenShowsThePictureAndTheInstructionsAreCentred)
{
    Box.show();
    for (const double scale : {1.0, 1.5, 2.0}) {
        Box.resize(qRound(336 * scale), qRound(328 * scale));
        QCoreApplication::processEvents(); // the window's own repaint after resizing
        Box.NewGame(1);
        for (int tick = 0; tick < 400; ++tick) {
            Box.KeyDown(0x25 + tick / 5 % 4);
            Box.Tick();
            Box.KeyUp(0x25 + tick / 5 % 4);
        }
        EXPECT_EQ(Box.screen()->grabWindow(Box.winId()).toImage(), Box.grab().toImage()) << scale;
    }

    // The instructions screen's ring of cakes starts at an angle drawn.
    Random::Seed(77);
    const int start = Random::DrawMod(360);
    Random::Seed(77);
    Box.ShowInstructions();
    const QImage& picture = Box.GetPicture();
    for (int k = 0; k < 6; ++k) {
        const double angle = (start + 60 * k) * std::numbers::pi / 180;
        const int left = static_cast<int>(std::cos(angle) * 90 + 168) - 8;
        const int top = static_cast<int>(std::sin(angle) * 90 + 164) - 8;
        EXPECT_GT(ShareShown(picture, left, top, Sprites().Image(3)), 0.5)
            << "cake " << k << " (the text covers some of it)";
    }

    // The block of left-aligned lines is centred as a whole, seven lines high.
    const int height = QFontMetrics(TGamePainterCanvas::PictureFont()).height();
    const QRect ink = InkBounds(picture, picture.rect());
    const QRect firstLine = InkBounds(picture, QRect(0, ink.top(), 336, height));
    EXPECT_NEAR(ink.left() + ink.right(), 336, 3);
    EXPECT_NEAR(ink.top() + ink.bottom(), 328, 4);
    EXPECT_NEAR(ink.height(), 7 * height, 4);
    EXPECT_LE(firstLine.left(), ink.left() + 2);
}

// Outside a running game, a paused one included, the sound rests once the
// last effect has played, its stream corked so that the server sleeps; a
// new game, or the game resumed, wakes it before its first effect.
TEST(TGameBoxSoundTest, RestsOutsideARunningGameOnceItsEffectHasPlayed)
{
    const TScratchFolder scratch;
    const TPulseServer server(scratch.Folder);
    if (!server.Running())
        GTEST_SKIP() << "no PulseAudio server to play through (package pulseaudio)";
    qputenv("PULSE_SERVER", server.Address().c_str());
    TGameBox box;
    const auto corked = [&](const char* told) {
        return QTest::qWaitFor([&] { return server.Corked() == told; }, 5000);
    };
    EXPECT_TRUE(corked("yes")) << "on the instructions screen";
    for (const int players : {2, 1}) {
        box.NewGame(players);
        EXPECT_TRUE(corked("no")) << "a new game";
        box.KeyDown(0x25); // into the fence, which ends the game with its effects
        box.KeyDown('A');
        while (box.State() != gbsGameOver)
            box.Tick();
        EXPECT_EQ(server.Corked(), "no") << "the end's effect cut off";
        EXPECT_TRUE(corked("yes")) << "after the end's effect";
    }
    box.NewGame(1);
    box.TogglePause();
    EXPECT_TRUE(corked("yes")) << "paused";
    box.TogglePause();
    EXPECT_TRUE(corked("no")) << "resumed";
}

// Views playing busy two-player games with random keys, each deleted once
// its timer has handed over a tick. TOLM_SOAK="VIEWS TICKS" makes it a soak.
TEST(TGameBoxSoakTest, ViewsPlayOnAndEndWithATickPending)
{
    long views = 2, ticks = 500;
    std::istringstream(qEnvironmentVariable("TOLM_SOAK").toStdString()) >> views >> ticks;
    const auto key = [] { return Common::KeyTable[Random::DrawMod(2)][Random::DrawMod(4)]; };
    for (long view = 0; view < views; ++view) {
        TGameBox box;
        box.SetImages(&Sprites());
        box.SetOptions({0, true, true});
        box.show();
        for (long tick = 0; tick < ticks; ++tick) {
            if (box.State() != gbsTwoPlayers)
                box.NewGame(2);
            box.KeyDown(key());
            box.KeyUp(key());
            box.Tick();
            QCoreApplication::processEvents(); // the repaint and the timer's own ticks
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(110)); // the next tick's hand-over
    }
}

} // namespace

#pragma once
// The game on the screen: owns the tick timer, the game, both key pads, the
// players' gamepads, the sound player and the 336 x 328 picture everything is
// drawn into. Each tick takes in the gamepads, polls the pads (the keys and
// the gamepads alike), advances the game, draws the changes into the picture
// and shows the parts that changed at once, stretched to whatever size the
// widget has.

#include "TGameBoxOptions.h"
#include "TGameKeyRecord.h"
#include "TGameQtSynchronizer.h"
#include "TGameSpriteList.h"
#include "TGameStrength.h"
#include "TGameSystemClock.h"
#include "TNotifyEvent.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QKeyEvent;
class TGameCanvas;
class TGameComputer;
class TGameRecorder;
class TGameReplayPlayer;
class TGameField;
class TGameGamepads;
struct TGameGamepadEvent;
class TGamePad;
class TGameSound;
class TGameTextCache;
class TGameTimer;
class TGameX11Keyboard;

// What the view was last told to show; recorded, consulted by nothing.
enum TGameBoxState : std::uint8_t {
    gbsIdle = 0,
    gbsInstructions = 1,
    gbsOnePlayer = 2,
    gbsTwoPlayers = 3,
    gbsGameOver = 4,
    gbsShutdown = 5,
    gbsAgainstComputer = 6,
    gbsReplay = 7
};

class TGameBox : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TGameBox)

public:
    // Seeds the generator, loads the sound effects beside the program and
    // starts the ticks, which the event loop of this thread serves.
    explicit TGameBox(QWidget* parent = nullptr);
    // Stops the ticks, letting one already handed over finish on the intact
    // view, then deletes what the view owns.
    ~TGameBox() override;
    TGameBox(const TGameBox&) = delete;
    TGameBox& operator=(const TGameBox&) = delete;

    // A word of the rules' status line in the player's language.
    static std::string RuleWord(const std::string& english);

    void ShowInstructions();
    // 1 or 2 players start a new game at once, unpaused; any other number
    // is ignored.
    void NewGame(int players);
    // A new game at once in which the computer, at this strength, plays
    // player 2: the keys and the gamepads steer player 1 alone.
    void NewComputerGame(TGameLevel level);
    // The computer's strength in the game started last, where it played.
    std::optional<TGameLevel> Opponent() const { return FOpponent; }
    // Plays a recorded game in the view at the game's pace, on a field of
    // its own: the game's high score and generator stay as they are. P and
    // Pause pause it, Right doubles its speed (1x, 2x, 4x, then 1x), Escape
    // stops it; at its end its last picture stays. A script that
    // TReplayCheck refuses changes nothing: the problem it found.
    std::optional<std::string> Watch(const std::string& script);
    // The replay watched has played to its end.
    bool ReplayOver() const;
    // Pauses a running game, or resumes it; nothing when no game runs. While
    // paused the ticks go on, but the game does not step and keys pressed
    // are forgotten; the status line says so. OnChange tells of it.
    void TogglePause();
    bool Paused() const { return FPaused; }
    // The player has turned to another program or hidden the window: a
    // running game pauses, and stays paused when he comes back.
    void PlayerAway();
    void Shutdown();
    // One tick as the timer runs it, for runs faster than the timer's clock.
    void Tick() { TimerTick(); }

    // Windows virtual-key codes: to both pads; Space and Enter also start a
    // one-player game, P and Pause pause or resume one.
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);
    // A Qt key event as the window receives it. Auto-repeat stays away from
    // the pads: it only restarts the game on Space or Enter.
    void HandleKeyEvent(const QKeyEvent& event);

    TGameBoxOptions GetOptions() const;
    // Equal options change nothing; others are all written, then OnChange.
    void SetOptions(const TGameBoxOptions& options);
    // A list other than the one held is stored, then OnChange; no redraw.
    // images must outlive the view or be replaced.
    void SetImages(const TGameSpriteList* images);

    int PictureWidth() const { return Picture.width(); }
    int PictureHeight() const { return Picture.height(); }
    const QImage& GetPicture() const { return Picture; }
    TGameBoxState State() const { return FState; }
    // 0 <= player <= 1.
    const TGamePad& Pad(int player) const { return *Pads[static_cast<std::size_t>(player)]; }

    // Told, with this view, when the options, the sprites or the pause change.
    TNotifyEvent<TGameBox> OnChange;
    // Told, inside the tick that ended it, when a game has ended.
    TNotifyEvent<TGameBox> OnGameOver;
    // Told when a game was cut short, by a new game or the view's end,
    // once a player had moved in it: LastRecording is that game's.
    TNotifyEvent<TGameBox> OnCutShort;
    // The scores of the last game's players, player 1 first.
    std::vector<int> GameScores() const;
    // The replay script of the game that ended last, cut short or not: one
    // that tolm-replay plays to the same end.
    const std::string& LastRecording() const { return FLastRecording; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Hears a key let go in any window of the game, a message box or menu
    // included: where the key events are the only key source, a release
    // that went there would leave the key held in the game.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The virtual-key code of a key event, as the layout places the key, or 0.
    int VirtualKey(const QKeyEvent& event) const;
    // The virtual-key code of a Qt key the game knows, or 0.
    static int VirtualKey(int qtKey);
    void SetState(TGameBoxState state);
    void TimerTick();
    // The physical keyboard where it can be asked, else the key events.
    const TGameKeyboard& PolledKeyboard();
    // Whether a window of the game has the keyboard, as of the last poll.
    bool HasFocus() const;
    // The controllers' presses and releases reach the pads as key events do.
    void HandleGamepadEvents(const std::vector<TGameGamepadEvent>& events);
    void DrawInstructions(TGameCanvas& canvas);
    // Copies what was drawn into the picture since the last time to the
    // screen, at once, the status line only when its texts differ from those
    // shown; the window system's own repaints copy it all.
    void ShowChanges(const std::string& status);
    // A game runs: one started and not yet over.
    bool Playing() const;
    // The recording of the game running or just over ends here.
    void EndRecording();
    // The replay's ticks that this tick plays, with their effects, and its
    // picture.
    void ReplayTick();
    void ReplayKey(int keyCode);
    // The pads the keys and the gamepads steer: player 2's too, unless the
    // computer plays it.
    std::span<const std::unique_ptr<TGamePad>> PlayersPads() const;
    // The sound rests outside a running game, paused included, once the
    // last effect has played out: a corked stream lets the server sleep.
    void RestSound();
    // The status line's texts as the view shows them: "Paused" on the left
    // while paused, the game's message otherwise.
    std::string StatusLeftText() const;
    std::string StatusTexts() const;
    void Changed();
    const TGameSpriteList& Sprites() const;

    TGameBoxState FState = gbsIdle;
    bool FPaused = false;
    std::optional<TGameLevel> FOpponent;
    // The timer's hand-over and clock come first: it uses them until its end.
    TGameQtSynchronizer Synchronizer;
    TGameSystemClock Clock;
    std::unique_ptr<TGameTimer> Timer;
    std::unique_ptr<TGameField> Field;
    std::array<std::unique_ptr<TGamePad>, 2> Pads;
    // Player 2's only keyboard in a game against the computer, else null.
    std::unique_ptr<TGameComputer> Computer;
    // Records every game; the sound sink the game ticks with.
    std::unique_ptr<TGameRecorder> Recorder;
    std::string FLastRecording;
    // The replay watched, and how many of its ticks a tick plays.
    std::unique_ptr<TGameReplayPlayer> Replay;
    int ReplaySpeed = 1;
    std::unique_ptr<TGameSound> SoundPlayer;
    QImage Picture;
    // Drawn into the picture but not yet shown.
    QRegion Unshown;
    // The status line's texts as last shown, which most ticks draw again.
    std::string ShownStatus;
    // The picture's font, with the texts laid out in it.
    std::unique_ptr<TGameTextCache> Texts;
    const TGameSpriteList* FImages = nullptr;
    // Before the window hands over its sprites, cells are drawn as ground.
    const TGameSpriteList NoSprites;
    // The key events as they came, for the poll where the keyboard cannot be asked.
    TGameKeyRecord Keys;
    std::unique_ptr<TGameX11Keyboard> PhysicalKeys;
    // Null where the game cannot read controllers.
    std::unique_ptr<TGameGamepads> Gamepads;
};

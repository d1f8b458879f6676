#pragma once
// Records a game as it is played, as a replay script that tolm-replay runs
// to the same end: the generator's whole state and the options at the
// start, then tick by tick the key events that reached the pads, the
// changes only the pads' poll found (a computer's keys among them), the
// ticks and paused ticks, and the options changed between them; at the end
// the last tick block and the dump, as comments. It keeps the script in
// memory: nothing is written on a tick. It is also the sound sink the game
// ticks with, passing every effect on, to know the last tick's sounds.

#include "TGamePad.h"
#include "TGameSoundSink.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TGameField;
class TGameKeyboard;

class TGameRecorder : public TGameSoundSink {
public:
    // sound plays the effects; it must outlive the recorder.
    explicit TGameRecorder(TGameSoundSink& sound) : Sound(sound) {}

    // A game of players (1 or 2) is about to start, with the field's
    // options and the pads' held keys, none pressed; computer: the computer
    // steers player 2, whose keys no event reaches. Drops a recording not
    // finished.
    void Begin(int players, const TGameField& field, const TGamePads& pads, bool computer);
    bool Recording() const { return FRecording; }

    // Between ticks: a key event that reached the pads, or the options.
    void KeyEvent(int keyCode, bool down);
    void Options(bool busy, int highScore);
    // Before the pads are polled: the keys as each pad's source says they
    // are. Then the tick as it ran, paused or not.
    void Poll(const TGameKeyboard& one, const TGameKeyboard& two);
    void Ticked(const TGameField& field, bool paused);

    // The whole script, with the field's last tick block and dump as
    // comments; the recording ends.
    std::string Finish(const TGameField& field);

    void Play(int id) override;

private:
    void Line(std::string_view line);
    void Line(std::string_view verb, std::uint64_t number);
    // Writes the run of ticks or paused ticks held back so far.
    void EndRun();
    static int KeyIndex(int keyCode);

    TGameSoundSink& Sound;
    bool FRecording = false;
    bool Computer = false;
    std::string Script;
    // The keys down as the script's keyboard has them: player 1's, then 2's.
    std::array<bool, 8> Down{};
    bool Busy = false;
    int HighScore = 0;
    // Ticks of one kind not yet written: paused ones, or ticks that stepped.
    bool RunPaused = false;
    std::uint64_t RunLength = 0;
    std::uint64_t TickCount = 0;
    // The effects of the tick running, and of the last one that stepped,
    // and the high score then.
    std::vector<int> Playing;
    std::vector<int> Played;
    int PlayedHighScore = 0;
};

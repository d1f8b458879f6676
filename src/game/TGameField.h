#pragma once
// The game itself: starts a game for one or two players, advances it one
// tick at a time, spawns items, ends it and keeps the high score. It has no
// timer, input or window of its own; the view drives it.

#include "TGameCanvas.h"
#include "TGameMap.h"
#include "TGamePad.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGamePlayerUnit;
class TGameSoundSink;
class TGameUnit;

class TGameField {
public:
    TGameField(int width, int height);
    virtual ~TGameField();
    TGameField(const TGameField&) = delete;
    TGameField& operator=(const TGameField&) = delete;

    // players is 1 or 2. Drops any game in progress without a message.
    void Start(int players);
    // One step of every unit, an item spawn and the end test; nothing when Over.
    void Tick(const TGamePads& pads, TGameSoundSink& sound);
    // The tick's unit pass alone: steps the living units in list order and
    // deletes the dead ones it meets.
    void StepUnits(const TGamePads& pads, TGameSoundSink& sound);
    // Repaints the changed cells, then the whole status line.
    void Draw(TGameCanvas& canvas, const TGameImageList& images);

    // Places the unit on (x, y) and appends it to Units, which owns it.
    TGameUnit& AddUnit(std::unique_ptr<TGameUnit> unit, int x, int y);

    // The status line's texts, blanks included.
    std::string StatusLeftText() const;
    std::string StatusRightText() const;
    // The status line with these texts, as Draw draws it with the above.
    static void DrawStatusLine(TGameCanvas& canvas, const std::string& left,
                               const std::string& right);

    // Players first, then the home, then items in the order they appeared.
    std::vector<std::unique_ptr<TGameUnit>> Units;
    // The same players as at the head of Units, P1 first; not owned.
    std::vector<TGamePlayerUnit*> Players;
    TGameMap Map;
    // The best score at the end of any game.
    int HighScore = 0;
    // Player 2 is the computer's: only the person's score sets the high score.
    bool ComputerOpponent = false;
    // Items are tried twice as often.
    bool Busy = false;
    // No game in progress.
    bool Over = true;
    // The latest event, shown on the status line.
    std::string Message;
    // The status line's words in the player's language. The rules keep them
    // in English, which is how they show without it.
    std::function<std::string(const std::string&)> Translate;

private:
    void Reset();
    void LayBorder();
    void PlacePlayers(int players);
    void SetFences();
    TPoint RandomCell() const;
    void SpawnItem();
    bool TestEnd(TGameSoundSink& sound);
    void End(const char* message, int soundId, TGameSoundSink& sound);
    void UpdateHighScore();
    void DrawCells(TGameCanvas& canvas, const TGameImageList& images);
    void DrawStatus(TGameCanvas& canvas);
    std::string Word(const std::string& english) const;
};

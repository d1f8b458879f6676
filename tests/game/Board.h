#pragma once
// A field drawn as a picture, for tests that read like the rules.
//
//   '#' bush  '+' fence  'o' trail  '.' open ground
//   '1' '2'   player 1, player 2       'H' home
//   'S'       player 1 standing on its home, as at the start of a game
//   'c' 's' 'g'  cake, stamp, gelato (their Life is drawn as in a game)
//
// Units join the field in the game's order: players, home, then items row by
// row. The game is running (Over is clear).

#include "TGameField.h"
#include "TGamePad.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"
#include "TReplaySound.h"

#include <array>
#include <string>
#include <vector>

// Key indices of a pad.
inline constexpr int KeyLeft = 0, KeyRight = 1, KeyUp = 2, KeyDown = 3;

class TBoard {
public:
    explicit TBoard(const std::vector<std::string>& rows);

    // The field as a picture in the same legend; a player hides what it
    // stands on.
    std::vector<std::string> Picture() const;

    TGamePlayerUnit& Player(int index) { return *Field.Players[static_cast<std::size_t>(index)]; }
    TGameTargetUnit& ItemAt(int x, int y);

    // Key index 0..3 (left, right, up, down) of the player's pad.
    void Press(int player, int key);
    // Sets the player moving along (dx, dy), as if it had been doing so.
    void Head(int player, int dx, int dy);
    // One tick as the game view runs it: the field's tick, then the presses
    // are forgotten. Returns the sounds played in it.
    std::vector<int> Tick();
    // The same with the unit pass alone: no item spawns, no end test.
    std::vector<int> Step();

    TGameField Field;
    std::array<TGamePad, 2> Pads;
    TReplaySound Sound;

private:
    // Runs pass with both pads, then forgets the presses as the view does.
    template <typename TPass> std::vector<int> Run(TPass pass);
};

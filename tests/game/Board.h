#pragma once
// A field drawn as a picture of two rows or more, apart by blanks: '#' bush,
// '+' fence, 'o' trail, '.' open, '1' '2' the players, 'H' home, 'c' 's' 'g'
// cake, stamp, gelato. Units join in the game's order: players, home, items.

#include "TGameField.h"
#include "TGameHomeUnit.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"
#include "TReplaySound.h"

#include <cctype>

using TSounds = std::vector<int>;

class TBoard {
public:
    explicit TBoard(const std::string& picture)
        : Field(static_cast<int>(picture.find(' ')),
                static_cast<int>((picture.size() + 1) / (picture.find(' ') + 1)))
    {
        for (std::size_t p = 0; p < Pads.size(); ++p)
            Pads[p].SetKeys(Common::KeyTable[p]);
        for (const std::string pass : {"#+o", "1", "2", "H", "csg"}) {
            for (int i = 0; i < static_cast<int>(picture.size()); ++i) {
                const auto kind = pass.find(picture[i]);
                const int x = i % (Field.Map.Width() + 1), y = i / (Field.Map.Width() + 1);
                if (kind == std::string::npos)
                    continue;
                if (pass == "#+o")
                    Field.Map.SetTerrain(x, y, static_cast<TGameTerrain>(kind + 1));
                else if (pass == "H")
                    Field.AddUnit(std::make_unique<TGameHomeUnit>(), x, y);
                else if (pass == "csg")
                    Field.AddUnit(std::make_unique<TGameTargetUnit>(static_cast<TGameItem>(kind)),
                                  x, y);
                else
                    Field.Players.push_back(static_cast<TGamePlayerUnit*>(
                        &Field.AddUnit(std::make_unique<TGamePlayerUnit>(pass[0] - '1'), x, y)));
            }
        }
        Field.Over = false;
        Field.Map.ClearDirty();
    }

    // Key index 0..3 of a letter L, R, U, D in either case.
    static int KeyOf(char c) { return static_cast<int>(std::string("LRUDlrud").find(c) % 4); }

    // One character a cell, rows apart by blanks.
    template <typename TCellChar> std::string Cells(TCellChar cellChar) const
    {
        std::string cells;
        for (int y = 0; y < Field.Map.Height(); ++y) {
            cells += y == 0 ? "" : " ";
            for (int x = 0; x < Field.Map.Width(); ++x)
                cells += cellChar(x, y);
        }
        return cells;
    }

    // The field in the same legend; a player hides what it stands on.
    std::string Picture() const
    {
        return Cells([this](int x, int y) {
            const TGameUnit* unit = Field.Map.GetUnit(x, y);
            if (unit == nullptr)
                return ".#+o"[Field.Map.GetTerrain(x, y)];
            if (unit->Kind == ukPlayer)
                return static_cast<char>('1' + static_cast<const TGamePlayerUnit*>(unit)->Index);
            return unit->Kind == ukHome ? 'H'
                                        : "csg"[static_cast<const TGameTargetUnit*>(unit)->Item];
        });
    }

    // Sets the player moving as if it had taken these steps, a letter each:
    // L, R, U, D. "DR": it came down, then went right.
    void Head(int player, const std::string& steps)
    {
        TGamePlayerUnit& unit = *Field.Players.at(player);
        for (const char step : steps) {
            const int key = KeyOf(step); // left, right: -1, 1 along X; up, down: along Y
            unit.Dx = key < 2 ? 2 * key - 1 : 0;
            unit.Dy = key < 2 ? 0 : 2 * key - 5;
            (key < 2 ? unit.LastDx : unit.LastDy) = unit.Dx + unit.Dy;
        }
    }

    // Key events on player 1's pad, a letter each: "R" right goes down, "r" it
    // goes up; '|' ends a tick, which forgets the presses.
    void Keys(const std::string& events)
    {
        for (const char event : events) {
            if (event == '|')
                Pads[0].ClearPressed();
            else
                (Pads[0].*(isupper(event) != 0 ? &TGamePad::KeyDown : &TGamePad::KeyUp))(
                    Common::KeyTable[0][KeyOf(event)]);
        }
    }

    // One tick as the game view runs it, the unit pass alone unless whole;
    // then the presses are forgotten. Returns the sounds played in it.
    TSounds Step(bool whole = false)
    {
        Sound.Played.clear();
        const TGamePads pads{&Pads[0], &Pads[1]};
        whole ? Field.Tick(pads, Sound) : Field.StepUnits(pads, Sound);
        for (TGamePad& pad : Pads)
            pad.ClearPressed();
        return Sound.Played;
    }

    TGameField Field;
    std::array<TGamePad, 2> Pads;
    TReplaySound Sound;
};

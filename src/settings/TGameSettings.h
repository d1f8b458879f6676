#pragma once
// Everything the game keeps between runs, and its text in the settings file:
// nine values joined with commas and an empty tenth, e.g.
// "0,-1,12,0,-1,504,492,220,160,".

#include "Common.h"
#include "TGameBoxOptions.h"
#include "TGameFormOptions.h"

#include <optional>
#include <string>
#include <string_view>

class TGameSettings {
public:
    // The top-left corner of the window's outer frame, in screen pixels.
    struct TPosition {
        int Left = 0;
        int Top = 0;
        friend bool operator==(const TPosition&, const TPosition&) = default;
    };

    TGameFormOptions Form;
    TGameBoxOptions Box;
    // The game picture at 100%.
    int ClientWidth = Common::ViewRect.Width();
    int ClientHeight = Common::ViewRect.Height();
    // Empty: the window system places the window.
    std::optional<TPosition> Position;

    // Where the window goes at start: Position while Form.LastPosition is on.
    std::optional<TPosition> StartPosition() const;

    // The record in a list of values; nothing when it has fewer than nine
    // values or any of the nine is bad. The position is always read, whether
    // LastPosition is on or not; values past the ninth are ignored.
    static std::optional<TGameSettings> Parse(std::string_view text);
    // The text that Parse reads back as this record. The file has room for no
    // missing position, so an empty Position is written as 0, 0.
    std::string Format() const;

    friend bool operator==(const TGameSettings&, const TGameSettings&) = default;
};

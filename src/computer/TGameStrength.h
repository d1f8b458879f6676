#pragma once
// The computer's three strengths, and how each plays: how far it looks
// ahead, how much an item draws it, and how often it wanders off at random
// instead of thinking, which is what makes the easiest one beatable.

#include <optional>
#include <string>

enum class TGameLevel { Easy, Medium, Hard };

struct TGameStrength {
    // The ticks looked ahead (TGameSearch).
    int Depth;
    // An item next to the player, and one in its territory, in cells of
    // territory (TGameTerritory).
    int ItemWeight;
    int ClaimWeight;
    // On so many ticks in a hundred it takes any open way.
    int WanderPercent;

    static TGameStrength Of(TGameLevel level);
    // "easy", "medium" or "hard", as the settings file and the replay tool
    // write it.
    static std::string Name(TGameLevel level);
    // Nothing for any other text.
    static std::optional<TGameLevel> Parse(const std::string& name);
};

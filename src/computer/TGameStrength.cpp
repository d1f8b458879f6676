#include "TGameStrength.h"

#include <array>

namespace {

struct TLevelRow {
    TGameLevel Level;
    const char* Name;
    TGameStrength Strength;
};

constexpr std::array<TLevelRow, 3> Levels = {{
    {TGameLevel::Easy, "easy", {0, 8, 0, 40}},
    {TGameLevel::Medium, "medium", {1, 16, 0, 5}},
    {TGameLevel::Hard, "hard", {2, 16, 8, 0}},
}};

const TLevelRow& Row(TGameLevel level)
{
    return Levels[static_cast<std::size_t>(level)];
}

} // namespace

TGameStrength TGameStrength::Of(TGameLevel level)
{
    return Row(level).Strength;
}

std::string TGameStrength::Name(TGameLevel level)
{
    return Row(level).Name;
}

std::optional<TGameLevel> TGameStrength::Parse(const std::string& name)
{
    for (const TLevelRow& row : Levels) {
        if (name == row.Name)
            return row.Level;
    }
    return std::nullopt;
}

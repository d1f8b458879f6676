#include "TGameSettings.h"

#include "AsciiText.h"
#include "CommaText.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

enum TValue {
    vSizable,
    vLastPosition,
    vHighScore,
    vBusyGame,
    vSound,
    vWidth,
    vHeight,
    vLeft,
    vTop
};
constexpr std::size_t ValueCount = 9;

// An optional sign and at least one decimal digit.
bool IsDecimal(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// A number of any length is true unless it is zero; "True" and "False" are
// read in any case.
std::optional<bool> ReadBool(std::string_view text)
{
    if (IsDecimal(text))
        return text.find_first_of("123456789") != std::string_view::npos;
    if (AsciiText::SameText(text, "true"))
        return true;
    if (AsciiText::SameText(text, "false"))
        return false;
    return std::nullopt;
}

// Plain decimal within the 32-bit range, nothing else.
std::optional<std::int32_t> ReadInt(std::string_view text)
{
    if (!IsDecimal(text))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1); // from_chars takes no plus sign
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string WriteBool(bool value)
{
    return value ? "-1" : "0";
}

} // namespace

std::optional<TGameSettings::TPosition> TGameSettings::StartPosition() const
{
    return Form.LastPosition ? Position : std::nullopt;
}

std::optional<TGameSettings> TGameSettings::Parse(std::string_view text)
{
    const std::vector<std::string> values = CommaText::Split(text);
    if (values.size() < ValueCount)
        return std::nullopt;
    const auto sizable = ReadBool(values[vSizable]);
    const auto lastPosition = ReadBool(values[vLastPosition]);
    const auto highScore = ReadInt(values[vHighScore]);
    const auto busyGame = ReadBool(values[vBusyGame]);
    const auto sound = ReadBool(values[vSound]);
    const auto width = ReadInt(values[vWidth]);
    const auto height = ReadInt(values[vHeight]);
    const auto left = ReadInt(values[vLeft]);
    const auto top = ReadInt(values[vTop]);
    if (!sizable || !lastPosition || !highScore || !busyGame || !sound || !width || !height ||
        !left || !top)
        return std::nullopt;
    TGameSettings settings;
    settings.Form = TGameFormOptions(*sizable, *lastPosition);
    settings.Box = TGameBoxOptions(*highScore, *busyGame, *sound);
    settings.ClientWidth = *width;
    settings.ClientHeight = *height;
    settings.Position = TPosition{*left, *top};
    return settings;
}

std::string TGameSettings::Format() const
{
    const TPosition position = Position.value_or(TPosition{});
    return CommaText::Join({WriteBool(Form.Sizable), WriteBool(Form.LastPosition),
                            std::to_string(Box.HighScore), WriteBool(Box.BusyGame),
                            WriteBool(Box.Sound), std::to_string(ClientWidth),
                            std::to_string(ClientHeight), std::to_string(position.Left),
                            std::to_string(position.Top), ""});
}

#include "TReplayCommand.h"

#include <array>
#include <limits>
#include <vector>

namespace {

struct TVerbRule {
    std::string_view Name;
    TReplayVerb Verb;
    bool TakesNumber;
    std::uint64_t Min;
    std::uint64_t Max;
    // A strength after the number: easy, medium or hard.
    bool TakesLevel = false;
    // A second number in the same range.
    bool TakesSecond = false;
};

constexpr std::uint64_t Unbounded = std::numeric_limits<std::uint64_t>::max();

constexpr std::array<TVerbRule, 16> VerbRules = {{
    {"seed", rvSeed, true, 0, 4294967295U},
    {"random", rvRandom, true, 0, Unbounded},
    {"busy", rvBusy, true, 0, 1},
    {"highscore", rvHighScore, true, 0, 2147483647U},
    {"start", rvStart, true, 1, 2},
    {"down", rvDown, true, 0, 65535},
    {"up", rvUp, true, 0, 65535},
    {"silentdown", rvSilentDown, true, 0, 65535},
    {"silentup", rvSilentUp, true, 0, 65535},
    {"tick", rvTick, true, 1, Unbounded},
    {"draw", rvDraw, false, 0, 0},
    {"dump", rvDump, false, 0, 0},
    {"computer", rvComputer, true, 1, 2, true},
    {"state", rvState, true, 0, 4294967295U, false, true},
    {"paused", rvPaused, true, 1, Unbounded},
    {"nohighscore", rvNoHighScore, true, 2, 2},
}};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> SplitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos]))
            ++pos;
        if (pos > start)
            words.push_back(line.substr(start, pos - start));
    }
    return words;
}

int DigitValue(char c, int base)
{
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::string Quoted(std::string_view word)
{
    return "\"" + std::string(word) + "\"";
}

// Unsigned decimal or 0x-hexadecimal; a value too large for 64 bits is still
// a number, only out of every range.
std::uint64_t ParseNumber(std::string_view word, std::string_view verb)
{
    int base = 10;
    std::string_view digits = word;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty())
        throw TReplayError("not a number: " + Quoted(word));
    std::uint64_t value = 0;
    bool overflow = false;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            throw TReplayError("not a number: " + Quoted(word));
        overflow = overflow || value > (Unbounded - static_cast<std::uint64_t>(digit)) /
                                           static_cast<std::uint64_t>(base);
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (overflow)
        throw TReplayError("number out of range for \"" + std::string(verb) +
                           "\": " + Quoted(word));
    return value;
}

const TVerbRule& FindRule(std::string_view name)
{
    for (const TVerbRule& rule : VerbRules) {
        if (rule.Name == name)
            return rule;
    }
    throw TReplayError("unknown command " + Quoted(name));
}

} // namespace

std::optional<TReplayCommand> TReplayCommand::Parse(std::string_view line)
{
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty() || words[0].front() == '#')
        return std::nullopt;

    const TVerbRule& rule = FindRule(words[0]);
    const std::size_t numbers = (rule.TakesNumber ? 1 : 0) + (rule.TakesSecond ? 1 : 0);
    const std::size_t expected = 1 + numbers + (rule.TakesLevel ? 1 : 0);
    if (words.size() < 1 + numbers)
        throw TReplayError("missing number after " + Quoted(rule.Name));
    if (words.size() < expected)
        throw TReplayError("missing strength after " + Quoted(rule.Name));
    if (words.size() > expected)
        throw TReplayError("extra argument " + Quoted(words[expected]) + " after " +
                           Quoted(rule.Name));

    TReplayCommand command{rule.Verb, 0, 0, TGameLevel::Medium};
    for (std::size_t word = 1; word <= numbers; ++word) {
        const std::uint64_t number = ParseNumber(words[word], rule.Name);
        if (number < rule.Min || number > rule.Max)
            throw TReplayError("number out of range for " + Quoted(rule.Name) + ": " +
                               Quoted(words[word]));
        (word == 1 ? command.Argument : command.Second) = number;
    }
    if (rule.TakesLevel) {
        const std::optional<TGameLevel> level = TGameStrength::Parse(std::string(words.back()));
        if (!level)
            throw TReplayError("unknown strength " + Quoted(words.back()));
        command.Level = *level;
    }
    return command;
}

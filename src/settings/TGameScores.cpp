#include "TGameScores.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <string_view>

namespace {

// The first line of a file of each version, the first version first.
constexpr std::array<std::string_view, 2> Headings = {"Tolm Game scores 1", "Tolm Game scores 2"};

bool IsDate(const std::string& date)
{
    return date.size() == 10 && date[4] == '-' && date[7] == '-' &&
           std::all_of(date.begin(), date.end(),
                       [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
}

// The fields of a line apart by tabs, which no name holds.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');)
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}

std::optional<int> Number(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

bool TGameScores::Enters(int table, int score) const
{
    const std::vector<TEntry>& entries = Table(table);
    return score > 0 && (entries.size() < TableSize || score > entries.back().Score);
}

void TGameScores::Add(int table, TEntry entry)
{
    if (!Enters(table, entry.Score))
        return;
    std::vector<TEntry>& entries = Tables.at(table);
    const auto place = std::find_if(entries.begin(), entries.end(),
                                    [&](const TEntry& old) { return old.Score < entry.Score; });
    entry.Name = CleanName(entry.Name);
    Newest = {table, static_cast<std::size_t>(place - entries.begin())};
    entries.insert(place, std::move(entry));
    if (entries.size() > TableSize)
        entries.pop_back();
}

void TGameScores::Clear()
{
    for (auto& entries : Tables)
        entries.clear();
    Newest.reset();
}

std::vector<std::pair<int, TGameScores::TEntry>>
TGameScores::AddedSince(const TGameScores& base) const
{
    std::vector<std::pair<int, TEntry>> added;
    std::optional<std::pair<int, TEntry>> newest;
    for (int table = OnePlayer; table <= AgainstComputer; ++table) {
        std::vector<TEntry> old = base.Table(table);
        for (std::size_t place = 0; place < Table(table).size(); ++place) {
            const TEntry& entry = Table(table)[place];
            // Equal entries (a name's same score on one day) are told apart by count.
            if (const auto same = std::find(old.begin(), old.end(), entry); same != old.end())
                old.erase(same);
            else if (Newest == std::pair(table, place))
                newest.emplace(table, entry);
            else
                added.emplace_back(table, entry);
        }
    }
    if (newest)
        added.push_back(*newest);
    return added;
}

std::string TGameScores::CleanName(const std::string& name)
{
    std::string clean;
    std::size_t characters = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            continue;
        // A UTF-8 character starts with any byte but a continuation byte.
        if ((byte & 0xC0) != 0x80 && ++characters > NameLength)
            break;
        clean += c;
    }
    return clean;
}

std::string TGameScores::Format() const
{
    std::string text = std::string(Headings.back()) + "\nlast\t" + LastName + "\n";
    for (int table = OnePlayer; table <= AgainstComputer; ++table)
        for (const TEntry& entry : Table(table))
            text += std::to_string(table + 1) + "\t" + std::to_string(entry.Score) + "\t" +
                    entry.Date + "\t" + entry.Name + "\t" +
                    (entry.Opponent ? TGameStrength::Name(*entry.Opponent) : "") + "\t" +
                    entry.Replay + "\n";
    return text;
}

std::optional<TGameScores> TGameScores::Parse(const std::string& text)
{
    std::istringstream stream(text);
    std::string line;
    if (!std::getline(stream, line))
        return std::nullopt;
    const auto heading = std::find(Headings.begin(), Headings.end(), line);
    if (heading == Headings.end())
        return std::nullopt;
    const auto version = static_cast<int>(heading - Headings.begin()) + 1;
    TGameScores scores;
    while (std::getline(stream, line))
        if (!scores.ParseLine(line, version))
            return std::nullopt;
    return scores;
}

bool TGameScores::ParseLine(const std::string& line, int version)
{
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() == 2 && fields[0] == "last" && fields[1] == CleanName(fields[1])) {
        LastName = fields[1];
        return true;
    }
    // Version 1: table (1 or 2), score, date, name. Version 2 adds a third
    // table, the computer's strength (in that table alone) and the replay.
    const std::size_t count = version == 1 ? 4 : 6;
    const char tables = version == 1 ? '2' : '3';
    if (fields.size() != count || fields[0].size() != 1 || fields[0][0] < '1' ||
        fields[0][0] > tables)
        return false;
    const int table = fields[0][0] - '1';
    std::optional<TGameLevel> opponent;
    if (version == 2) {
        opponent = TGameStrength::Parse(fields[4]);
        const bool named = !fields[4].empty();
        if (named != (table == AgainstComputer) || (named && !opponent) ||
            fields[5] != CleanName(fields[5]) || fields[5].find('/') != std::string::npos)
            return false;
    }
    const std::optional<int> score = Number(fields[1]);
    std::vector<TEntry>& entries = Tables.at(table);
    // In order, as Add keeps them: a file out of order was not written here.
    if (!score || *score <= 0 || (!entries.empty() && *score > entries.back().Score) ||
        entries.size() == TableSize || !IsDate(fields[2]) || fields[3] != CleanName(fields[3]))
        return false;
    entries.push_back({fields[3], *score, fields[2], opponent, version == 2 ? fields[5] : ""});
    return true;
}

std::string TGameScores::PathIn(const std::optional<std::string>& dataHome,
                                const std::optional<std::string>& home)
{
    if (dataHome && dataHome->starts_with('/'))
        return *dataHome + "/tolm-game/scores";
    if (home && home->starts_with('/'))
        return *home + "/.local/share/tolm-game/scores";
    return {};
}

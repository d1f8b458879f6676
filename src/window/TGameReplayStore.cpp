#include "TGameReplayStore.h"

#include "TGameDiskFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view Extension = ".replay";

// The word after key in line, as a number.
int NumberAfter(const std::string& line, const std::string& key)
{
    const std::size_t at = line.find(key);
    return at == std::string::npos ? 0 : std::atoi(line.c_str() + at + key.size());
}

// Scores and end from a recording's last tick block, which its comments
// hold at its end; nothing for a file that holds none. Only the end is read:
// a list of thousands of files must open at once.
std::optional<TGameReplayStore::TKept> Describe(const std::string& text)
{
    const std::size_t block = text.rfind("\n#tick ");
    if (block == std::string::npos)
        return std::nullopt;
    TGameReplayStore::TKept kept;
    std::istringstream lines(text.substr(block + 1));
    std::string line;
    std::getline(lines, line);
    const std::size_t quote = line.find(" msg \"");
    if (quote != std::string::npos && line.ends_with('"'))
        kept.End = line.substr(quote + 6, line.size() - quote - 7);
    while (std::getline(lines, line) && line.starts_with("# p") && line.size() > 3 &&
           std::isdigit(static_cast<unsigned char>(line[3])))
        kept.Scores.push_back(NumberAfter(line, " score "));
    return kept;
}

// The names of the replays in folder, in no order; those read before an
// error where one comes.
std::vector<std::string> ReplayNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator file(folder, error), end; !error && file != end;
         file.increment(error)) {
        std::string name = file->path().filename().string();
        if (name.ends_with(Extension))
            names.push_back(std::move(name));
    }
    return names;
}

// Whether a name is taken, by a link that points nowhere too: a new file
// is never written through one.
bool Taken(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace

std::string TGameReplayStore::FolderBeside(const std::string& scoresPath)
{
    return scoresPath.empty()
               ? std::string()
               : (std::filesystem::path(scoresPath).parent_path() / "replays").string();
}

std::string TGameReplayStore::Keep(const std::string& script, std::time_t when,
                                   const TGameScores& scores)
{
    if (FFolder.empty() || !TGameDiskFile::MakeFolder(FFolder))
        return {};
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    // Games kept in one second are told apart by a count, which sorts too.
    std::string name;
    for (int count = 1; name.empty() || Taken(FFolder + "/" + name); ++count) {
        const std::string number = std::to_string(count);
        name =
            stamp + std::string(number.size() < 2 ? "-0" : "-") + number + std::string(Extension);
    }
    if (!TGameDiskFile::Write(FFolder + "/" + name, script))
        return {};
    Prune(scores);
    return name;
}

void TGameReplayStore::Prune(const TGameScores& scores) const
{
    std::set<std::string> named;
    for (int table = TGameScores::OnePlayer; table <= TGameScores::AgainstComputer; ++table)
        for (const TGameScores::TEntry& entry : scores.Table(table))
            named.insert(entry.Replay);
    std::vector<std::string> kept = ReplayNames(FFolder);
    std::erase_if(kept, [&named](const std::string& name) { return named.contains(name); });
    if (kept.size() <= Newest)
        return;
    // The names sort as the games were kept: the oldest go.
    std::sort(kept.begin(), kept.end());
    std::error_code error;
    for (std::size_t i = 0; i + Newest < kept.size(); ++i)
        std::filesystem::remove(FFolder + "/" + kept[i], error);
}

std::vector<TGameReplayStore::TKept> TGameReplayStore::List() const
{
    std::vector<std::string> names = ReplayNames(FFolder);
    std::sort(names.rbegin(), names.rend());
    std::vector<TKept> list;
    for (const std::string& name : names) {
        const std::optional<std::string> text = Read(name);
        std::optional<TKept> kept = text ? Describe(*text) : std::nullopt;
        if (!kept || name.size() < 17)
            continue;
        kept->Name = name;
        // "2026-12-08-104512-01.replay"
        kept->When = name.substr(0, 10) + " " + name.substr(11, 2) + ":" + name.substr(13, 2) +
                     ":" + name.substr(15, 2);
        list.push_back(std::move(*kept));
    }
    return list;
}

bool TGameReplayStore::Has(const std::string& name) const
{
    std::error_code error;
    const std::string path = PathOf(name);
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> TGameReplayStore::Read(const std::string& name) const
{
    const std::string path = PathOf(name);
    std::optional<std::string> text = path.empty() ? std::nullopt : TGameDiskFile::Read(path);
    // A game pruned since it was listed is missing, not an empty script.
    return text && !text->empty() ? text : std::nullopt;
}

std::string TGameReplayStore::PathOf(const std::string& name) const
{
    const bool ours =
        !FFolder.empty() && name.ends_with(Extension) && name.find('/') == std::string::npos;
    return ours ? FFolder + "/" + name : std::string();
}

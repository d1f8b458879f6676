#include "TGameReplayStore.h"

#include "TGameDiskFile.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

namespace {

constexpr std::string_view Extension = ".replay";

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
    for (int count = 1; name.empty() || std::filesystem::exists(FFolder + "/" + name); ++count) {
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
    std::vector<std::string> kept;
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(FFolder, error)) {
        const std::string name = file.path().filename().string();
        if (name.ends_with(Extension) && !named.contains(name))
            kept.push_back(name);
    }
    if (kept.size() <= Newest)
        return;
    // The names sort as the games were kept: the oldest go.
    std::sort(kept.begin(), kept.end());
    for (std::size_t i = 0; i + Newest < kept.size(); ++i)
        std::filesystem::remove(FFolder + "/" + kept[i], error);
}

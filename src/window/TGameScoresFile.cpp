#include "TGameScoresFile.h"

#include "TGameDiskFile.h"

#include <filesystem>
#include <utility>

TGameScoresFile::TGameScoresFile(std::string path) : FPath(std::move(path)) {}

std::string TGameScoresFile::PlayerPath()
{
    return TGameScores::PathIn(TGameDiskFile::Environment("XDG_DATA_HOME"),
                               TGameDiskFile::Environment("HOME"));
}

TGameScores TGameScoresFile::Load()
{
    const std::optional<std::string> text = TGameDiskFile::Read(FPath);
    FUnreadable = !text;
    if (!text || text->empty())
        return {};
    std::optional<TGameScores> scores = TGameScores::Parse(*text);
    FDamaged = !scores;
    return scores.value_or(TGameScores());
}

bool TGameScoresFile::Save(const TGameScores& scores)
{
    if (FUnreadable || FPath.empty() ||
        !TGameDiskFile::MakeFolder(std::filesystem::path(FPath).parent_path()))
        return false;
    if (FDamaged) {
        const std::optional<std::string> old = TGameDiskFile::Read(FPath);
        if (!old || !TGameDiskFile::Write(FPath + ".bak", *old))
            return false;
    }
    if (!TGameDiskFile::Write(FPath, scores.Format()))
        return false;
    FDamaged = false; // a second save must not put the good file over the kept one
    return true;
}

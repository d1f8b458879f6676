#include "TGameScoresFile.h"

#include "TGameDiskFile.h"
#include "TGameFileLock.h"

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
    Base =
        text && !text->empty() ? TGameScores::Parse(*text).value_or(TGameScores()) : TGameScores();
    return Base;
}

bool TGameScoresFile::Save(TGameScores& scores)
{
    const auto added = scores.AddedSince(Base);
    return Store(scores, [&](TGameScores& kept) {
        for (const auto& [table, entry] : added)
            kept.Add(table, entry);
    });
}

bool TGameScoresFile::Clear(TGameScores& scores)
{
    return Store(scores, [](TGameScores& kept) { kept.Clear(); });
}

bool TGameScoresFile::Store(TGameScores& scores, const std::function<void(TGameScores&)>& change)
{
    if (FPath.empty() || !TGameDiskFile::MakeFolder(std::filesystem::path(FPath).parent_path()))
        return false;
    const TGameFileLock locked(FPath + ".lock");
    // What is there now, which another copy of the game may have written.
    const std::optional<std::string> text = TGameDiskFile::Read(FPath);
    if (!text)
        return false;
    const std::optional<TGameScores> read =
        text->empty() ? TGameScores() : TGameScores::Parse(*text);
    if (!read && !KeepDamaged(*text))
        return false;
    TGameScores kept = read.value_or(TGameScores());
    change(kept);
    kept.LastName = scores.LastName;
    if (!TGameDiskFile::Write(FPath, kept.Format()))
        return false;
    scores = Base = kept;
    return true;
}

bool TGameScoresFile::KeepDamaged(const std::string& text) const
{
    const std::string bak = FPath + ".bak";
    return TGameDiskFile::Read(bak) == text || TGameDiskFile::Write(bak, text);
}

#pragma once
// The games kept to be watched again: one replay script a file, in a
// folder of the player's beside the scores ("replays"), named after the
// moment it was kept so that the names sort as the games were played. The
// newest are kept, and the games of the entries in the score tables as
// long as their entries are there; older ones go. A file that cannot be
// written loses that recording only.

#include "TGameScores.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

class TGameReplayStore {
public:
    // How many games are kept besides those of the tables.
    static constexpr std::size_t Newest = 50;

    // folder: where the files are kept; empty keeps nothing.
    explicit TGameReplayStore(std::string folder) : FFolder(std::move(folder)) {}
    // "replays" beside the scores file at scoresPath.
    static std::string FolderBeside(const std::string& scoresPath);

    // Writes script under a new name made from when (local time), then
    // removes what is past the newest and in no entry of scores. The
    // file's name, or empty when it could not be written.
    std::string Keep(const std::string& script, std::time_t when, const TGameScores& scores);

    // A kept game as a list shows it: when, the players' scores, how it
    // ended (the rules' English message).
    struct TKept {
        std::string Name;
        std::string When; // "2026-12-08 10:45:12"
        std::vector<int> Scores;
        std::string End;
    };
    // The games kept, the newest first; files that are no recording are left
    // out.
    std::vector<TKept> List() const;
    // Whether a file of that name is kept here.
    bool Has(const std::string& name) const;
    // The recording in the file of that name, or nothing.
    std::optional<std::string> Read(const std::string& name) const;

private:
    void Prune(const TGameScores& scores) const;
    // The file of that name here; empty for a name that is no file's of this
    // folder (the scores file may name anything).
    std::string PathOf(const std::string& name) const;

    std::string FFolder;
};

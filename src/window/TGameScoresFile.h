#pragma once
// The scores file on disk, read at start and written whenever the tables
// change. A file that cannot be read as scores gives empty tables, and
// what it held is never lost: a damaged file is kept as scores.bak before
// the next write, and one the player may not read is never written over.
// Copies of the game running at once share it: each save takes the lock
// beside it (scores.lock), reads it again and adds what this copy added
// since its last load or save, so that no copy's entries are lost.

#include "TGameScores.h"

#include <functional>
#include <string>

class TGameScoresFile {
public:
    explicit TGameScoresFile(std::string path);

    // Where this player's scores are kept, from the environment.
    static std::string PlayerPath();

    TGameScores Load();
    // Adds the entries scores has gained since the last Load or Save to the
    // tables in the file, with the name entered last; scores becomes what the
    // file now holds, where that is true. Makes its folder (mode 0700) first.
    bool Save(TGameScores& scores);
    // Empties the tables in the file and scores, keeping the name entered
    // last; whether the file now holds them.
    bool Clear(TGameScores& scores);

private:
    // Writes the tables the file holds after change, under the lock.
    bool Store(TGameScores& scores, const std::function<void(TGameScores&)>& change);
    // Keeps text, a damaged file's bytes, as scores.bak, unless that holds
    // them already; whether they are kept.
    bool KeepDamaged(const std::string& text) const;

    std::string FPath;
    // The tables as the file held them at the last Load or Save.
    TGameScores Base;
};

#pragma once
// The scores file on disk, read at start and written whenever the tables
// change. A file that cannot be read as scores gives empty tables, and
// what it held is never lost: a damaged file is kept as scores.bak before
// the next write, and one the player may not read is never written over.

#include "TGameScores.h"

#include <string>

class TGameScoresFile {
public:
    explicit TGameScoresFile(std::string path);

    // Where this player's scores are kept, from the environment.
    static std::string PlayerPath();

    TGameScores Load();
    // Whether the file now holds scores. Makes its folder (mode 0700) first.
    bool Save(const TGameScores& scores);

private:
    std::string FPath;
    // What the last Load met, which Save must not lose.
    bool FDamaged = false;
    bool FUnreadable = false;
};

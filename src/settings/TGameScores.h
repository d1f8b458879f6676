#pragma once
// The tables of the best games: the ten best one-player games, the ten best
// two-player results (each player's score of a two-player game is a result
// of its own) and the ten best games of a person against the computer, with
// its strength; each with the player's name, the date and the file of its
// replay, if kept; and the name entered last. As text, UTF-8, one line an
// entry, which anything may have written: a text that is not such a file is
// turned away whole. Files of the first version, without the third table,
// are read too; the second is written.

#include "TGameStrength.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TGameScores {
public:
    struct TEntry {
        TEntry() = default;
        TEntry(std::string name, int score, std::string date,
               std::optional<TGameLevel> opponent = std::nullopt, std::string replay = {})
            : Name(std::move(name)), Score(score), Date(std::move(date)), Opponent(opponent),
              Replay(std::move(replay))
        {
        }
        std::string Name;
        int Score = 0;
        std::string Date; // YYYY-MM-DD
        // The computer's strength, in its table alone.
        std::optional<TGameLevel> Opponent;
        // The replay's file name, empty where none is kept.
        std::string Replay;
        friend bool operator==(const TEntry&, const TEntry&) = default;
    };
    // The tables, by the number of players less one.
    static constexpr int OnePlayer = 0;
    static constexpr int TwoPlayers = 1;
    static constexpr int AgainstComputer = 2;
    static constexpr std::size_t TableSize = 10;
    static constexpr std::size_t NameLength = 32;

    // Whether score would enter the table: above 0, and above its tenth.
    bool Enters(int table, int score) const;
    // Places the entry below those of an equal score, cleans its name, and
    // marks it newest; the eleventh falls out. Nothing when it does not enter.
    void Add(int table, TEntry entry);
    // Empties the tables; the name entered last stays.
    void Clear();
    // The entries held here that base lacks, with their tables: those added
    // since these tables were base. The newest comes last.
    std::vector<std::pair<int, TEntry>> AddedSince(const TGameScores& base) const;
    const std::vector<TEntry>& Table(int table) const { return Tables.at(table); }
    // The table and place of the entry added last; none after Clear or Parse.
    std::optional<std::pair<int, std::size_t>> Newest;
    // Offered the next time a name is asked for.
    std::string LastName;

    // Without control characters, at most NameLength characters.
    static std::string CleanName(const std::string& name);

    std::string Format() const;
    // Null when text is no scores file, or breaks its rules.
    static std::optional<TGameScores> Parse(const std::string& text);
    // $XDG_DATA_HOME/tolm-game/scores, or ~/.local/share/tolm-game/scores
    // when that is unset or relative; empty without an absolute home either.
    static std::string PathIn(const std::optional<std::string>& dataHome,
                              const std::optional<std::string>& home);

    friend bool operator==(const TGameScores&, const TGameScores&) = default;

private:
    // version: the file's, 1 or 2.
    bool ParseLine(const std::string& line, int version);

    std::array<std::vector<TEntry>, 3> Tables;
};

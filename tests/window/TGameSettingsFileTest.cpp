#include "TGameSettingsFile.h"
#include "TGameReplayStore.h"
#include "TGameScoresFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string Values = "0,-1,12,0,-1,504,492,220,160,";

std::string Read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
}

class TGameSettingsFileTest : public testing::Test {
protected:
    QTemporaryDir Folder;
    std::string Path = Folder.filePath("Settings.ini").toStdString();
    TGameSettings Settings = *TGameSettings::Parse(Values);
};

// A first save writes three lines that load back; a bad file is kept beside
// on the next save, and what the game does not know of stays in the new one.
TEST_F(TGameSettingsFileTest, SavesLoadBackABadFileIsKeptBesideAFailedOneChangesNothing)
{
    TGameSettingsFile first(Path);
    EXPECT_EQ(first.Load(), std::nullopt);
    first.Save(Settings);
    EXPECT_EQ(Read(Path), "[Settings]\r\nValues=" + Values + "\r\n\r\n");
    EXPECT_EQ(TGameSettingsFile(Path).Load(), Settings);
    EXPECT_FALSE(std::filesystem::exists(Path + ".bak"));
    // The computer's strength has a key of its own once it is not Medium; one unknown gives Medium.
    TGameSettings hard = Settings;
    hard.Form.Computer = TGameLevel::Hard;
    first.Save(hard);
    EXPECT_EQ(Read(Path), "[Settings]\r\nValues=" + Values + "\r\nComputer=hard\r\n\r\n");
    EXPECT_EQ(TGameSettingsFile(Path).Load(), hard);
    std::ofstream(Path, std::ios::binary) << "[Settings]\nValues=" + Values + "\nComputer=expert\n";
    EXPECT_EQ(TGameSettingsFile(Path).Load(), Settings);
    const std::string bad = "[Settings]\r\nValues=0,-1,99,0,-1,1,1,x,1\r\n[Mine]\r\nA=1\r\n";
    std::ofstream(Path, std::ios::binary) << bad;
    std::ofstream(Path + ".bak") << "older";
    TGameSettingsFile kept(Path);
    EXPECT_EQ(kept.Load(), std::nullopt);
    kept.Save(Settings);
    kept.Save(Settings);
    EXPECT_EQ(Read(Path + ".bak"), bad);
    EXPECT_EQ(Read(Path), "[Settings]\r\nValues=" + Values + "\r\n\r\n[Mine]\r\nA=1\r\n\r\n");

    // Writes past a file size limit fail as on a full disk, for root too; the old file stays whole.
    const std::vector<std::pair<std::string, rlim_t>> cases = {
        {"[Settings]\r\nValues=-1,0,1,0,0,1,1,1,1,\r\n", 8},
        // The rewrite would fit, the copy of the bad file would not.
        {";" + std::string(200, '-') + "\r\n[Settings]\r\nValues=bad\r\n", 100},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    std::filesystem::remove(Path + ".bak");
    for (const auto& [old, limit] : cases) {
        SCOPED_TRACE(limit);
        std::ofstream(Path, std::ios::binary) << old;
        TGameSettingsFile file(Path);
        file.Load();
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit full{limit, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        file.Save(Settings);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(Read(Path), old);
        EXPECT_FALSE(std::filesystem::exists(Path + ".bak")); // no new file left half written
    }
}

// A save killed at any moment leaves the file it replaces or the one it writes, whole: never a part
// of one, never an older one. The settings and the scores alike.
TEST_F(TGameSettingsFileTest, SaveKilledAtAnyMomentLeavesAWholeFile)
{
    const std::string scoresPath = Path + ".scores";
    TGameSettingsFile(Path).Save(Settings);
    for (int kill = 0, last = Settings.Box.HighScore, best = 0; kill < 1000; ++kill) {
        const pid_t saver = fork();
        ASSERT_GE(saver, 0) << "no child to kill; kill(-1) would reach every process of ours";
        for (TGameScores scores; saver == 0;) { // the child saves both until killed
            TGameSettingsFile(Path).Save(Settings);
            scores.Add(0, {"Mia", ++Settings.Box.HighScore, "2026-12-07"});
            TGameScoresFile(scoresPath).Save(scores);
        }
        usleep(kill * 7919 % 5000); // spread over the first few saves
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        const std::optional<TGameSettings> saved = TGameSettingsFile(Path).Load();
        ASSERT_TRUE(saved && saved->Box.HighScore >= last) << "kill " << kill << ": " << Read(Path);
        Settings.Box.HighScore = last = saved->Box.HighScore;
        ASSERT_EQ(Read(Path), "[Settings]\r\nValues=" + Settings.Format() + "\r\n\r\n");
        const std::string scores = Read(scoresPath);
        const auto kept = TGameScores::Parse(scores);
        ASSERT_TRUE(scores.empty() ||
                    (kept && kept->Format() == scores && kept->Table(0).at(0).Score >= best))
            << "kill " << kill << ": " << scores;
        best = kept ? kept->Table(0)[0].Score : best;
    }
}

// The folders made for the game's files are the player's alone. Anything in
// a file's place that is no regular file of at most 1 MiB is unreadable:
// turned away without a wait, never read whole, and never written over.
TEST_F(TGameSettingsFileTest, FoldersAreThePlayersAndWhatIsNoFileOfOursStays)
{
    const std::string folder = Folder.path().toStdString() + "/";
    constexpr auto Private = std::filesystem::perms::owner_all;
    TGameScores scores;
    scores.Add(0, {"Mia", 5, "2026-12-07"});
    EXPECT_TRUE(TGameScoresFile(folder + "data/tolm-game/scores").Save(scores));
    TGameSettingsFile(folder + "config/tolm-game/Settings.ini").Save(Settings);
    for (const char* made : {"data", "data/tolm-game", "config", "config/tolm-game"})
        EXPECT_EQ(std::filesystem::status(folder + made).permissions(), Private) << made;

    // Each in the place of the settings and the scores file alike.
    const std::string place = folder + "place";
    // A device of its own where it may (root): a write that went through a link would replace the
    // system's /dev/zero with a file.
    for (std::string make : {"mkfifo @", "mknod @ c 1 5 2>/dev/null || ln -s /dev/zero @",
                             "mkdir @", "head -c 1048577 /dev/zero >@"}) {
        SCOPED_TRACE(make);
        ASSERT_EQ(std::system(make.replace(make.find('@'), 1, place).c_str()), 0);
        const auto before = std::filesystem::symlink_status(place).type();
        TGameScoresFile scoresFile(place);
        EXPECT_EQ(scoresFile.Load(), TGameScores());
        EXPECT_FALSE(scoresFile.Save(scores) || scoresFile.Clear(scores));
        TGameSettingsFile settingsFile(place);
        EXPECT_EQ(settingsFile.Load(), std::nullopt);
        settingsFile.Save(Settings);
        EXPECT_EQ(std::filesystem::symlink_status(place).type(), before);
        EXPECT_TRUE(before != std::filesystem::file_type::regular ||
                    std::filesystem::file_size(place) == (1 << 20) + 1);
        std::filesystem::remove_all(place);
    }
}

// Copies of the game running at once share the scores file: each save adds what that copy added to
// what the file holds then, a clear empties it for both, and a damaged file is kept as scores.bak
// once, never put over by the good file the other copy saved.
TEST_F(TGameSettingsFileTest, CopiesAtOnceLoseNoScores)
{
    const std::string path = Folder.filePath("scores").toStdString();
    const std::string damaged = "Tolm Game scores 1\n1\t-5\t2026-12-07\tx\n";
    std::ofstream(path) << damaged;
    TGameScoresFile firstFile(path), secondFile(path);
    TGameScores first = firstFile.Load(), second = secondFile.Load();
    EXPECT_EQ(first, TGameScores());
    first.Add(0, {"Mia", 5, "2026-12-07"});
    EXPECT_TRUE(firstFile.Save(first) && firstFile.Save(first));
    second.LastName = "Bo";
    second.Add(0, {"Bo", 3, "2026-12-08"});
    second.Add(1, {"Bo", 7, "2026-12-08"});
    EXPECT_TRUE(secondFile.Save(second));
    EXPECT_EQ(Read(path + ".bak"), damaged);
    const std::string both = "Tolm Game scores 2\nlast\tBo\n1\t5\t2026-12-07\tMia\t\t\n"
                             "1\t3\t2026-12-08\tBo\t\t\n2\t7\t2026-12-08\tBo\t\t\n";
    EXPECT_EQ(Read(path), both);
    EXPECT_EQ(second.Format(), both);
    EXPECT_EQ(second.Newest, std::pair(1, std::size_t{0}));
    EXPECT_TRUE(firstFile.Clear(first));
    EXPECT_TRUE(secondFile.Save(second));
    EXPECT_EQ(Read(path), "Tolm Game scores 2\nlast\tBo\n");

    // Two copies saving at the same moments, each its own scores.
    for (int round = 0; round < 20; ++round) {
        std::filesystem::remove(path);
        std::vector<pid_t> copies;
        for (int copy = 0; copy < 2; ++copy) {
            ASSERT_GE(copies.emplace_back(fork()), 0);
            if (copies.back() == 0) {
                TGameScoresFile file(path);
                TGameScores scores = file.Load();
                for (int score = 1 + copy; score <= 10; score += 2) {
                    scores.Add(0, {"Mia", score, "2026-12-07"});
                    file.Save(scores);
                }
                _exit(0);
            }
        }
        for (const pid_t copy : copies)
            waitpid(copy, nullptr, 0);
        const std::optional<TGameScores> saved = TGameScores::Parse(Read(path));
        ASSERT_TRUE(saved) << Read(path);
        ASSERT_EQ(saved->Table(0).size(), 10U) << "round " << round << ": " << Read(path);
    }
}

// The newest 50 replays are kept, and those of the tables' entries however old; names sort as
// the games were kept, in one second too. Where no folder can be made, the replay alone is lost.
TEST_F(TGameSettingsFileTest, ReplaysKeepTheNewestAndThoseOfTheTables)
{
    const std::string scoresPath = Folder.filePath("data/tolm-game/scores").toStdString();
    const std::string folder = TGameReplayStore::FolderBeside(scoresPath);
    TGameReplayStore store(folder);
    TGameScores scores;
    std::vector<std::string> names = {store.Keep("tick 1\n", 1000, scores)};
    scores.Add(TGameScores::OnePlayer, {"Mia", 5, "2026-12-08", std::nullopt, names[0]});
    for (int game = 1; game <= 60; ++game)
        names.push_back(store.Keep("tick " + std::to_string(game) + "\n", 1000 + game / 3, scores));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 51);
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + names[0])) << "a table's game went";
    EXPECT_FALSE(std::filesystem::exists(folder + "/" + names[10]));
    EXPECT_EQ(Read(folder + "/" + names.back()), "tick 60\n");
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(store.Read(names[10]), std::nullopt) << "a game pruned reads as an empty script";

    // Links in the way, one round in a loop, one pointing nowhere, are passed over, never
    // written through.
    const std::string first = store.Keep("x", 5000, scores);
    const std::string stamp = folder + "/" + first.substr(0, first.size() - 9);
    const std::string outside = Folder.filePath("outside").toStdString();
    std::filesystem::remove(stamp + "01.replay");
    std::filesystem::create_symlink(first, stamp + "01.replay");
    std::filesystem::create_symlink(outside, stamp + "02.replay");
    EXPECT_EQ(folder + "/" + store.Keep("y", 5000, scores), stamp + "03.replay");
    EXPECT_FALSE(std::filesystem::exists(outside));

    std::ofstream(Folder.filePath("blocked").toStdString()) << "a file in the folder's place";
    EXPECT_EQ(TGameReplayStore(Folder.filePath("blocked").toStdString()).Keep("x", 1000, scores),
              "");
}

} // namespace

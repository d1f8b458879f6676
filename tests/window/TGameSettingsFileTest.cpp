#include "TGameSettingsFile.h"
#include "TGameScoresFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path + ".bak")));
    const std::string bad = "[Settings]\r\nValues=0,-1,99,0,-1,1,1,x,1\r\n[Mine]\r\nA=1\r\n";
    std::ofstream(Path, std::ios::binary) << bad;
    std::ofstream(Path + ".bak") << "older";
    TGameSettingsFile kept(Path);
    EXPECT_EQ(kept.Load(), std::nullopt);
    kept.Save(Settings);
    kept.Save(Settings);
    EXPECT_EQ(Read(Path + ".bak"), bad);
    EXPECT_EQ(Read(Path), "[Settings]\r\nValues=" + Values + "\r\n\r\n[Mine]\r\nA=1\r\n\r\n");

    // Writes past a file size limit fail as on a full disk, for root too;
    // the old file stays whole.
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
        EXPECT_FALSE(
            QFile::exists(QString::fromStdString(Path + ".bak"))); // no new file left half written
    }
}

// A save killed at any moment leaves the file it replaces or the one it
// writes, whole: never a part of one, never an older one.
TEST_F(TGameSettingsFileTest, SaveKilledAtAnyMomentLeavesAWholeFile)
{
    TGameSettingsFile(Path).Save(Settings);
    for (int kill = 0, last = Settings.Box.HighScore; kill < 1000; ++kill) {
        const pid_t saver = fork();
        ASSERT_GE(saver, 0) << "no child to kill; kill(-1) would reach every process of ours";
        if (saver == 0) {
            for (;;) { // the child saves until killed
                ++Settings.Box.HighScore;
                TGameSettingsFile(Path).Save(Settings);
            }
        }
        usleep(kill * 7919 % 5000); // spread over the first few saves
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        const std::optional<TGameSettings> saved = TGameSettingsFile(Path).Load();
        ASSERT_TRUE(saved && saved->Box.HighScore >= last) << "kill " << kill << ": " << Read(Path);
        Settings.Box.HighScore = last = saved->Box.HighScore;
        ASSERT_EQ(Read(Path), "[Settings]\r\nValues=" + Settings.Format() + "\r\n\r\n");
    }
}

// The folders made for the game's files are the player's alone; a damaged
// scores file is kept as scores.bak before the next write, and one that
// cannot be read is never written over.
TEST_F(TGameSettingsFileTest, ScoresLoseNothingAndFoldersAreThePlayers)
{
    const std::string folder = Folder.path().toStdString() + "/";
    constexpr auto Private = std::filesystem::perms::owner_all;
    const std::string damaged = "Tolm Game scores 1\n1\t-5\t2026-12-07\tx\n";
    TGameScores scores;
    scores.Add(0, {"Mia", 5, "2026-12-07"});
    EXPECT_TRUE(TGameScoresFile(folder + "data/tolm-game/scores").Save(scores));
    TGameSettingsFile(folder + "config/tolm-game/Settings.ini").Save(Settings);
    for (const char* made : {"data", "data/tolm-game", "config", "config/tolm-game"})
        EXPECT_EQ(std::filesystem::status(folder + made).permissions(), Private) << made;
    std::ofstream(folder + "scores") << damaged;
    TGameScoresFile file(folder + "scores");
    EXPECT_EQ(file.Load(), TGameScores());
    EXPECT_TRUE(file.Save(scores) && file.Save(scores));
    EXPECT_EQ(Read(folder + "scores.bak"), damaged);
    EXPECT_EQ(TGameScoresFile(folder + "scores").Load().Format(), scores.Format());
    TGameScoresFile unreadable(folder + "data"); // a folder: unreadable as a file, for root too
    EXPECT_EQ(unreadable.Load(), TGameScores());
    EXPECT_FALSE(unreadable.Save(scores));
}

// The scores, too, are whole after a save killed at any moment, and no older.
TEST_F(TGameSettingsFileTest, ScoresSaveKilledAtAnyMomentLeavesAWholeFile)
{
    const std::string path = Path + ".scores";
    TGameScoresFile(path).Save(*TGameScores::Parse("Tolm Game scores 1\n1\t1\t2026-12-07\tMia\n"));
    for (int kill = 0, last = 1; kill < 300; ++kill) {
        const pid_t saver = fork();
        ASSERT_GE(saver, 0) << "no child to kill; kill(-1) would reach every process of ours";
        if (saver == 0)
            for (TGameScores scores;; TGameScoresFile(path).Save(scores)) // saves until killed
                scores.Add(0, {"Mia", ++last, "2026-12-07"});
        usleep(kill * 7919 % 5000);
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        const auto saved = TGameScores::Parse(Read(path));
        ASSERT_TRUE(saved && saved->Format() == Read(path) && saved->Table(0).at(0).Score >= last)
            << "kill " << kill << ": " << Read(path);
        last = saved->Table(0)[0].Score;
    }
}

} // namespace

#pragma once
// The game's one window: hosts the game view, carries the menu bar and the
// context menu, shows the message boxes, and keeps the window's options. The
// settings file is read while the window is built and written while it is
// destroyed, so every way of closing it saves the same file.

#include "TGameFormOptions.h"
#include "TGameReplayStore.h"
#include "TGameScoresFile.h"
#include "TGameSettingsFile.h"
#include "TGameSpriteList.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QDialog;
class QMenu;
class TGameBox;

class TGameForm : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(TGameForm)

public:
    // settings names the settings file, helpFileName is a full path,
    // scoresPath names the scores file; the game passes SettingsPlace(),
    // HelpFileName(its language) and TGameScoresFile::PlayerPath().
    TGameForm(const TGameSettingsPlace& settings, std::string helpFileName,
              const std::string& scoresPath);
    // Shuts the view down, keeps the games still waiting for names under the
    // name offered, saves the settings, then deletes the view.
    ~TGameForm() override;
    TGameForm(const TGameForm&) = delete;
    TGameForm& operator=(const TGameForm&) = delete;

    // This player's settings file, and "Help/index.html" beside the program,
    // or the page in the language named ("index.de.html") where there is one.
    static TGameSettingsPlace SettingsPlace();
    static std::string HelpFileName(const std::string& language = {});

    TGameFormOptions GetOptions() const { return Options; }
    // Equal options change nothing; others are copied, then OptionsChange.
    void SetOptions(const TGameFormOptions& options);
    // The client area at percent of the game's picture size.
    void ResizeTo(int percent);
    void SetClientSize(int width, int height);
    // The window's inside under the menu bar, which the view fills.
    QSize ClientSize() const;
    // What Default does after its confirmation; the position stays.
    void ApplyDefaults();
    // The single handler of every command of both menus.
    void MenuItemClick(QObject* sender);
    // The tables of the best games, as kept in the scores file.
    const TGameScores& GetScores() const { return Scores; }
    // A game has ended with these scores, player 1's first, the computer
    // playing player 2 at opponent's strength where given, its replay kept
    // in the file named replay, if any: once the event that says so has
    // returned (it comes inside the tick), each person whose score enters
    // the tables is asked for a name.
    void GameEnded(const std::vector<int>& scores,
                   std::optional<TGameLevel> opponent = std::nullopt,
                   const std::string& replay = {});

    // The components, in the order the window declares them. Check marks are
    // set by code alone, from the options they show.
    const TGameSpriteList ImageList1 = TGameSpriteList::Builtin();
    QAction* Game_MenuItem = nullptr;
    QAction* New1Player_MenuItem = nullptr;
    QAction* New2Players_MenuItem = nullptr;
    QAction* NewComputer_MenuItem = nullptr;
    QAction* Pause_MenuItem = nullptr;
    QAction* HighScores_MenuItem = nullptr;
    QAction* Replays_MenuItem = nullptr;
    QAction* Status_MenuItem = nullptr;
    QAction* Options_MenuItem = nullptr;
    QAction* ClearHighScore_MenuItem = nullptr;
    QAction* BusyGame_MenuItem = nullptr;
    QAction* Computer_MenuItem = nullptr;
    QAction* ComputerEasy_MenuItem = nullptr;
    QAction* ComputerMedium_MenuItem = nullptr;
    QAction* ComputerHard_MenuItem = nullptr;
    QAction* Sizable_MenuItem = nullptr;
    QAction* ResizeTo100_MenuItem = nullptr;
    QAction* ResizeTo150_MenuItem = nullptr;
    QAction* ResizeTo200_MenuItem = nullptr;
    QAction* LastPosition_MenuItem = nullptr;
    QAction* Sound_MenuItem = nullptr;
    QAction* Default_MenuItem = nullptr;
    QAction* Exit_MenuItem = nullptr;
    QAction* Help1_MenuItem = nullptr;
    QAction* Help2_MenuItem = nullptr;
    QAction* Tips_MenuItem = nullptr;
    QAction* About_MenuItem = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* New1PlayerP_MenuItem = nullptr;
    QAction* New2PlayersP_MenuItem = nullptr;
    QAction* NewComputerP_MenuItem = nullptr;
    QAction* StatusP_MenuItem = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    // Owned by the window as its child; deleted in the destructor.
    TGameBox* GameBox = nullptr;

protected:
    // Key preview: the view hears every key first, and the key goes on.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Once the window has closed, the game is ending: no box opens.
    void closeEvent(QCloseEvent* event) override;
    // A window minimized pauses a running game, where the window system
    // tells of it; elsewhere losing the keyboard does.
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TMenuRow;
    struct TEndedGame {
        std::vector<int> Scores;
        std::optional<TGameLevel> Opponent;
        // The file its replay is kept in, or empty.
        std::string Replay;
    };
    // The Options > Computer items and the strength each chooses.
    std::array<std::pair<QAction*, TGameLevel>, 3> ComputerItems() const;
    void CreateMenus();
    void AddMenuRows(QWidget& top, std::initializer_list<TMenuRow> rows);
    void OptionsChange();
    void GameBoxChange();
    void SetFrame(bool sizable);
    // Shows a box and waits for its answer; Rejected, without a box, once
    // the window has closed.
    int Ask(QDialog& box) const;
    // The texts of a message box. Returns whether it was confirmed with OK.
    bool Confirm(const QString& text);
    void Inform(const QString& text, const QString& caption);
    void OpenHelp();
    // Asks for the names of the games ended, once no other box of the game
    // is open; once the window has closed, keeps them under the name offered.
    void AskNames();
    void GameOver(const TEndedGame& game);
    QString AskName(int players, int player);
    void ShowHighScores();
    // The games kept, the newest first; Watch plays the one chosen.
    void ShowReplays();
    // Plays a replay script in the view, or says why it cannot: nothing for
    // a file that could not be read.
    void Watch(const std::optional<std::string>& script);
    QString HighScoresText() const;
    void LoadSettings();
    void SaveSettings();
    // Whether the window system says where a window stands; a Wayland
    // compositor places windows itself and tells no one.
    static bool KnowsPosition();

    TGameFormOptions Options;
    TGameSettingsFile SettingsFile;
    // As read at start: saved again where the window's own is unknown.
    std::optional<TGameSettings::TPosition> ReadPosition;
    const std::string FHelpFileName;
    TGameScoresFile ScoresFile;
    TGameScores Scores;
    TGameReplayStore Replays;
    // Games ended whose names are still to be asked for, the oldest first.
    std::deque<TEndedGame> EndedGames;
    QTimer NameTimer;
    bool Closed = false;
};

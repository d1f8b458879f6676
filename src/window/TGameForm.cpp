#include "TGameForm.h"
#include "Common.h"
#include "Random.h"
#include "TGameBox.h"
#include "TGameReplaysBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <array>
#include <ctime>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const char* const GameTitle = "Tolm Game";
const char* const TipsText =
    QT_TRANSLATE_NOOP("TGameForm", "[Controls]\n"
                                   "Player 1: Arrow keys\n"
                                   "Player 2: A, D, W and S keys\n"
                                   "\n"
                                   "[Tips]\n"
                                   "To start the game, press Space or Enter key.");
const char* const AboutText =
    QT_TRANSLATE_NOOP("TGameForm", "Tolm Game\n"
                                   "Version %1\n"
                                   "\n"
                                   "Bring the cakes home before they go stale.");

QString Title()
{
    return QCoreApplication::applicationName();
}

// The name offered first: the user's full name as the system knows it, else
// the login name.
QString PlayerName()
{
    const passwd* user = getpwuid(getuid());
    if (user == nullptr)
        return qEnvironmentVariable("USER");
    const QString full = QString::fromLocal8Bit(user->pw_gecos).section(',', 0, 0).trimmed();
    return full.isEmpty() ? QString::fromLocal8Bit(user->pw_name) : full;
}

} // namespace

// One line of a menu table: its depth below the bar (or the context menu),
// the item it makes, its caption ("-" for a separator) and its shortcut. An
// item followed by deeper lines opens them as its submenu.
struct TGameForm::TMenuRow {
    int Depth;
    QAction* TGameForm::*Item;
    const char* Caption;
    QKeySequence Shortcut = {};
};

TGameForm::TGameForm(const TGameSettingsPlace& settings, std::string helpFileName,
                     const std::string& scoresPath)
    : SettingsFile(settings.File, settings.Defaults), FHelpFileName(std::move(helpFileName)),
      ScoresFile(scoresPath), Scores(ScoresFile.Load()),
      Replays(TGameReplayStore::FolderBeside(scoresPath))
{
    CreateMenus();
    Random::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    QCoreApplication::setApplicationName(QString::fromLatin1(GameTitle));
    setWindowTitle(Title());
    GameBox = new TGameBox(this);
    GameBox->SetImages(&ImageList1);
    setCentralWidget(GameBox);
    GameBox->OnChange = [this](TGameBox&) { GameBoxChange(); };
    // The file is written once, as the game ends; a full disk or a folder
    // that may not be written loses the replay alone.
    GameBox->OnCutShort = [this](TGameBox& box) {
        Replays.Keep(box.LastRecording(), std::time(nullptr), Scores);
    };
    GameBox->OnGameOver = [this](TGameBox& box) {
        GameEnded(box.GameScores(), box.Opponent(),
                  Replays.Keep(box.LastRecording(), std::time(nullptr), Scores));
    };
    NameTimer.setSingleShot(true);
    connect(&NameTimer, &QTimer::timeout, this, &TGameForm::AskNames);
    GameBoxChange();
    OptionsChange();
    ResizeTo(100);
    LoadSettings();
    GameBox->ShowInstructions();
}

TGameForm::~TGameForm()
{
    GameBox->Shutdown();
    Closed = true;
    AskNames();
    SaveSettings();
    // The view's last tick may still draw with the sprites, so the view goes
    // before the members do.
    delete GameBox;
}

TGameSettingsPlace TGameForm::SettingsPlace()
{
    return TGameSettingsFile::PlayerPlace();
}

std::string TGameForm::HelpFileName(const std::string& language)
{
    const std::string folder = Common::ProgramFolder() + "Help/";
    const std::string page = folder + "index." + language + ".html";
    return !language.empty() && QFileInfo::exists(QString::fromStdString(page))
               ? page
               : folder + "index.html";
}

void TGameForm::CreateMenus()
{
    AddMenuRows(
        *menuBar(),
        {
            //: & marks the access key: one in each caption, none twice in one menu.
            {0, &TGameForm::Game_MenuItem, QT_TR_NOOP("&Game")},
            {1, &TGameForm::New1Player_MenuItem, QT_TR_NOOP("&New - 1 Player"), Qt::Key_F2},
            {1, &TGameForm::New2Players_MenuItem, QT_TR_NOOP("Ne&w - 2 Players"), Qt::Key_F3},
            {1, &TGameForm::NewComputer_MenuItem, QT_TR_NOOP("New - Against the &Computer"),
             Qt::Key_F6},
            {1, &TGameForm::Pause_MenuItem, QT_TR_NOOP("&Pause"), Qt::Key_P},
            {1, &TGameForm::HighScores_MenuItem, QT_TR_NOOP("&High Scores..."),
             Qt::CTRL | Qt::Key_H},
            {1, &TGameForm::Replays_MenuItem, QT_TR_NOOP("&Replays..."), Qt::CTRL | Qt::Key_R},
            {1, &TGameForm::N1, "-"},
            {1, &TGameForm::Status_MenuItem, QT_TR_NOOP("&Status..."), Qt::Key_F4},
            {1, &TGameForm::Options_MenuItem, QT_TR_NOOP("&Options")},
            {2, &TGameForm::ClearHighScore_MenuItem, QT_TR_NOOP("&Clear High-Score..."),
             Qt::Key_F5},
            {2, &TGameForm::BusyGame_MenuItem, QT_TR_NOOP("&Busy Game")},
            {2, &TGameForm::Computer_MenuItem, QT_TR_NOOP("Co&mputer")},
            {3, &TGameForm::ComputerEasy_MenuItem, QT_TR_NOOP("&Easy")},
            {3, &TGameForm::ComputerMedium_MenuItem, QT_TR_NOOP("&Medium")},
            {3, &TGameForm::ComputerHard_MenuItem, QT_TR_NOOP("&Hard")},
            {2, &TGameForm::N6, "-"},
            {2, &TGameForm::Sizable_MenuItem, QT_TR_NOOP("&Sizable")},
            {2, &TGameForm::ResizeTo100_MenuItem, QT_TR_NOOP("&Resize to 100%")},
            {2, &TGameForm::ResizeTo150_MenuItem, QT_TR_NOOP("R&esize to 150%")},
            {2, &TGameForm::ResizeTo200_MenuItem, QT_TR_NOOP("Resi&ze to 200%")},
            {2, &TGameForm::LastPosition_MenuItem, QT_TR_NOOP("&Last Position")},
            {2, &TGameForm::Sound_MenuItem, QT_TR_NOOP("S&ound")},
            {2, &TGameForm::N5, "-"},
            {2, &TGameForm::Default_MenuItem, QT_TR_NOOP("De&fault...")},
            {1, &TGameForm::N2, "-"},
            {1, &TGameForm::Exit_MenuItem, QT_TR_NOOP("E&xit")},
            {0, &TGameForm::Help1_MenuItem, QT_TR_NOOP("&Help")},
            {1, &TGameForm::Help2_MenuItem, QT_TR_NOOP("&Help"), Qt::Key_F1},
            {1, &TGameForm::Tips_MenuItem, QT_TR_NOOP("&Tips...")},
            {1, &TGameForm::N3, "-"},
            {1, &TGameForm::About_MenuItem, QT_TR_NOOP("&About...")},
        });
    PopupMenu1 = new QMenu(this);
    AddMenuRows(
        *PopupMenu1,
        {
            {0, &TGameForm::New1PlayerP_MenuItem, QT_TR_NOOP("&New - 1 Player")},
            {0, &TGameForm::New2PlayersP_MenuItem, QT_TR_NOOP("Ne&w - 2 Players")},
            {0, &TGameForm::NewComputerP_MenuItem, QT_TR_NOOP("New - Against the &Computer")},
            {0, &TGameForm::N4, "-"},
            {0, &TGameForm::StatusP_MenuItem, QT_TR_NOOP("&Status...")},
        });
    for (QAction* item :
         {Pause_MenuItem, BusyGame_MenuItem, Sizable_MenuItem, LastPosition_MenuItem,
          Sound_MenuItem, ComputerEasy_MenuItem, ComputerMedium_MenuItem, ComputerHard_MenuItem})
        item->setCheckable(true);
    // The key that pauses also resumes: held down, it must not do both by turns.
    Pause_MenuItem->setShortcuts({Qt::Key_P, Qt::Key_Pause});
    Pause_MenuItem->setAutoRepeat(false);
}

void TGameForm::AddMenuRows(QWidget& top, std::initializer_list<TMenuRow> rows)
{
    // parents[d] receives the items of depth d.
    std::vector<QWidget*> parents = {&top};
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        QWidget* parent = parents[static_cast<std::size_t>(row->Depth)];
        const bool opensSubmenu = row + 1 != rows.end() && (row + 1)->Depth > row->Depth;
        QAction* item = nullptr;
        if (opensSubmenu) {
            auto* menu = new QMenu(tr(row->Caption), this);
            item = menu->menuAction();
            parents.resize(static_cast<std::size_t>(row->Depth) + 1);
            parents.push_back(menu);
        } else if (std::string_view(row->Caption) == "-") {
            item = new QAction(this);
            item->setSeparator(true);
        } else {
            item = new QAction(tr(row->Caption), this);
            item->setShortcut(row->Shortcut);
            connect(item, &QAction::triggered, this, [this, item] { MenuItemClick(item); });
        }
        parent->addAction(item);
        this->*(row->Item) = item;
    }
}

void TGameForm::MenuItemClick(QObject* sender)
{
    if (sender == New1Player_MenuItem) {
        GameBox->NewGame(1);
    } else if (sender == New2Players_MenuItem) {
        GameBox->NewGame(2);
    } else if (sender == NewComputer_MenuItem) {
        GameBox->NewComputerGame(Options.Computer);
    } else if (sender == Pause_MenuItem) {
        GameBox->TogglePause();
        Pause_MenuItem->setChecked(GameBox->Paused()); // a click checks it either way
    } else if (sender == HighScores_MenuItem) {
        ShowHighScores();
    } else if (sender == Replays_MenuItem) {
        ShowReplays();
    } else if (sender == Status_MenuItem) {
        Inform(tr("High-Score: %1").arg(GameBox->GetOptions().HighScore), tr("Status"));
    } else if (sender == ClearHighScore_MenuItem) {
        TGameBoxOptions options = GameBox->GetOptions();
        if (Confirm(tr("Clearing high-score.\n\nSure?"))) {
            options.HighScore = 0;
            GameBox->SetOptions(options);
        }
    } else if (sender == BusyGame_MenuItem) {
        TGameBoxOptions options = GameBox->GetOptions();
        options.BusyGame = !options.BusyGame;
        GameBox->SetOptions(options);
    } else if (sender == Sound_MenuItem) {
        TGameBoxOptions options = GameBox->GetOptions();
        options.Sound = !options.Sound;
        GameBox->SetOptions(options);
    } else if (sender == Sizable_MenuItem) {
        SetOptions({!Options.Sizable, Options.LastPosition, Options.Computer});
    } else if (sender == LastPosition_MenuItem) {
        SetOptions({Options.Sizable, !Options.LastPosition, Options.Computer});
    } else if (sender == ResizeTo100_MenuItem) {
        ResizeTo(100);
    } else if (sender == ResizeTo150_MenuItem) {
        ResizeTo(150);
    } else if (sender == ResizeTo200_MenuItem) {
        ResizeTo(200);
    } else if (sender == Default_MenuItem) {
        if (Confirm(tr("Applying default settings.\n\nHigh-score will not be cleared.\n\nSure?")))
            ApplyDefaults();
    } else if (sender == Exit_MenuItem) {
        close();
    } else if (sender == Help2_MenuItem) {
        if (Confirm(tr("Opening a help file in HTML format.\n\nSure?")))
            OpenHelp();
    } else if (sender == Tips_MenuItem) {
        Inform(tr(TipsText), tr("Tips"));
    } else if (sender == About_MenuItem) {
        Inform(tr(AboutText).arg(QStringLiteral(TOLM_VERSION)), tr("About"));
    } else if (sender == New1PlayerP_MenuItem) {
        New1Player_MenuItem->trigger();
    } else if (sender == New2PlayersP_MenuItem) {
        New2Players_MenuItem->trigger();
    } else if (sender == NewComputerP_MenuItem) {
        NewComputer_MenuItem->trigger();
    } else if (sender == StatusP_MenuItem) {
        Status_MenuItem->trigger();
    }
    for (const auto& [item, level] : ComputerItems()) {
        if (sender == item)
            SetOptions({Options.Sizable, Options.LastPosition, level});
    }
}

std::array<std::pair<QAction*, TGameLevel>, 3> TGameForm::ComputerItems() const
{
    return {{{ComputerEasy_MenuItem, TGameLevel::Easy},
             {ComputerMedium_MenuItem, TGameLevel::Medium},
             {ComputerHard_MenuItem, TGameLevel::Hard}}};
}

void TGameForm::GameEnded(const std::vector<int>& scores, std::optional<TGameLevel> opponent,
                          const std::string& replay)
{
    // The name box must not open inside the tick, whose timer would wait for it.
    EndedGames.push_back({scores, opponent, replay});
    NameTimer.start(0);
}

void TGameForm::AskNames()
{
    if (!Closed && QApplication::activeModalWidget() != nullptr) {
        NameTimer.start(250);
        return;
    }
    while (!EndedGames.empty()) {
        const TEndedGame game = EndedGames.front();
        EndedGames.pop_front();
        GameOver(game);
    }
}

void TGameForm::GameOver(const TEndedGame& game)
{
    // Against the computer, only the person plays for a table.
    const int players = game.Opponent ? 1 : static_cast<int>(game.Scores.size());
    const int table = game.Opponent ? TGameScores::AgainstComputer : players - 1;
    bool added = false;
    for (int player = 0; player < players; ++player) {
        const int score = game.Scores.at(static_cast<std::size_t>(player));
        if (!Scores.Enters(table, score))
            continue;
        Scores.LastName = AskName(players, player).toStdString();
        Scores.Add(table, {Scores.LastName, score,
                           QDate::currentDate().toString(Qt::ISODate).toStdString(), game.Opponent,
                           game.Replay});
        added = true;
    }
    if (added)
        ScoresFile.Save(Scores);
}

QString TGameForm::AskName(int players, int player)
{
    const std::array<QString, 2> keys = {tr("Player 1 (arrow keys)"),
                                         tr("Player 2 (A, D, W and S keys)")};
    QString offered = QString::fromStdString(Scores.LastName);
    if (offered.isEmpty())
        offered = PlayerName();
    QInputDialog box(this);
    box.setWindowTitle(Title());
    box.setLabelText((players == 2 ? keys.at(player) + "\n\n" : QString()) +
                     tr("A score for the table of the best games.\n\nYour name:"));
    box.setTextValue(offered);
    if (auto* edit = box.findChild<QLineEdit*>())
        edit->setMaxLength(static_cast<int>(TGameScores::NameLength));
    // Cancel, or no name at all, keeps the score with the name offered.
    const QString name = Ask(box) == QDialog::Accepted ? box.textValue().trimmed() : QString();
    return QString::fromStdString(
        TGameScores::CleanName((name.isEmpty() ? offered : name).toStdString()));
}

void TGameForm::ShowHighScores()
{
    QMessageBox box(QMessageBox::NoIcon, Title(), HighScoresText(), QMessageBox::Ok, this);
    QPushButton* clear = box.addButton(tr("Clear..."), QMessageBox::ActionRole);
    // An entry whose game is kept links to it.
    box.setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    std::optional<std::string> watched;
    for (QLabel* label : box.findChildren<QLabel*>()) {
        // A message box hands its links to the desktop, which knows no
        // replay file.
        label->setOpenExternalLinks(false);
        connect(label, &QLabel::linkActivated, &box, [&](const QString& name) {
            watched = name.toStdString();
            box.done(QDialog::Accepted);
        });
    }
    Ask(box);
    if (watched) {
        Watch(Replays.Read(*watched));
        return;
    }
    if (box.clickedButton() == clear && Confirm(tr("Clearing the high-score tables.\n\nSure?"))) {
        Scores.Clear();
        ScoresFile.Clear(Scores);
    }
}

void TGameForm::ShowReplays()
{
    TGameReplaysBox box(Replays, this);
    if (Ask(box) == QDialog::Accepted)
        Watch(box.Chosen());
}

void TGameForm::Watch(const std::optional<std::string>& script)
{
    const std::optional<std::string> problem =
        script ? GameBox->Watch(*script)
               : tr("the file cannot be read, or is over 1 MiB").toStdString();
    if (problem)
        Inform(tr("This game cannot be watched: %1").arg(QString::fromStdString(*problem)),
               tr("Replays"));
}

QString TGameForm::HighScoresText() const
{
    QString text;
    const std::array<QString, 3> titles = {tr("One player"), tr("Two players"),
                                           tr("Against the computer")};
    const std::array<QString, 3> strengths = {tr("Easy"), tr("Medium"), tr("Hard")};
    for (int table = TGameScores::OnePlayer; table <= TGameScores::AgainstComputer; ++table) {
        text += QStringLiteral("<p><b>%1</b></p>")
                    .arg(titles.at(static_cast<std::size_t>(table)).toHtmlEscaped());
        const auto& entries = Scores.Table(table);
        if (entries.empty())
            text += QStringLiteral("<p>%1</p>").arg(tr("No games yet.").toHtmlEscaped());
        text += QStringLiteral("<table cellspacing=\"4\">");
        for (std::size_t place = 0; place < entries.size(); ++place) {
            const bool newest = Scores.Newest == std::pair(table, place);
            const auto& opponent = entries[place].Opponent;
            const std::string& replay = entries[place].Replay;
            const QString watch = Replays.Has(replay)
                                      ? QStringLiteral("<a href=\"%1\">%2</a>")
                                            .arg(QString::fromStdString(replay).toHtmlEscaped(),
                                                 tr("Watch").toHtmlEscaped())
                                      : QString();
            text += QStringLiteral("<tr><td align=\"right\">%1.</td><td>%2</td><td "
                                   "align=\"right\">%3</td><td>%4</td><td>%5</td><td>%6</td>"
                                   "<td>%7</td></tr>")
                        .arg(place + 1)
                        .arg(QString::fromStdString(entries[place].Name).toHtmlEscaped())
                        .arg(entries[place].Score)
                        .arg(QString::fromStdString(entries[place].Date))
                        .arg(opponent
                                 ? strengths.at(static_cast<std::size_t>(*opponent)).toHtmlEscaped()
                                 : QString())
                        .arg(newest ? tr("< new").toHtmlEscaped() : QString())
                        .arg(watch);
        }
        text += QStringLiteral("</table>");
    }
    return text;
}

void TGameForm::SetOptions(const TGameFormOptions& options)
{
    if (options == Options)
        return;
    Options = options;
    OptionsChange();
}

void TGameForm::OptionsChange()
{
    const QSize client = ClientSize();
    SetFrame(Options.Sizable);
    SetClientSize(client.width(), client.height());
    Sizable_MenuItem->setChecked(Options.Sizable);
    LastPosition_MenuItem->setChecked(Options.LastPosition);
    for (const auto& [item, level] : ComputerItems())
        item->setChecked(level == Options.Computer);
}

void TGameForm::GameBoxChange()
{
    Pause_MenuItem->setChecked(GameBox->Paused());
    BusyGame_MenuItem->setChecked(GameBox->GetOptions().BusyGame);
    Sound_MenuItem->setChecked(GameBox->GetOptions().Sound);
}

void TGameForm::SetFrame(bool sizable)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (sizable)
        flags |= Qt::WindowMaximizeButtonHint;
    if (flags == windowFlags())
        return;
    // New flags hide a shown window; it comes back where it was.
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void TGameForm::ResizeTo(int percent)
{
    SetClientSize(GameBox->PictureWidth() * percent / 100,
                  GameBox->PictureHeight() * percent / 100);
}

void TGameForm::SetClientSize(int width, int height)
{
    const QSize size(width, height + menuBar()->heightForWidth(width));
    if (Options.Sizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else {
        setFixedSize(size);
    }
}

QSize TGameForm::ClientSize() const
{
    // Taken from the window, not the view: a hidden window lays out its
    // view only once it is shown.
    return {width(), height() - menuBar()->heightForWidth(width())};
}

void TGameForm::ApplyDefaults()
{
    SetOptions(TGameFormOptions());
    GameBox->SetOptions(TGameBoxOptions(GameBox->GetOptions().HighScore, false, true));
    ResizeTo(100);
}

void TGameForm::keyPressEvent(QKeyEvent* event)
{
    GameBox->HandleKeyEvent(*event);
    QMainWindow::keyPressEvent(event);
}

void TGameForm::keyReleaseEvent(QKeyEvent* event)
{
    GameBox->HandleKeyEvent(*event);
    QMainWindow::keyReleaseEvent(event);
}

void TGameForm::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

bool TGameForm::event(QEvent* event)
{
    // A closed message box hands the keyboard back to the window, as it
    // would on a desktop whose window manager does so; without one the keys
    // and shortcuts would go nowhere.
    if (event->type() == QEvent::WindowUnblocked)
        activateWindow();
    return QMainWindow::event(event);
}

void TGameForm::closeEvent(QCloseEvent* event)
{
    Closed = true;
    QMainWindow::closeEvent(event);
}

void TGameForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        GameBox->PlayerAway();
    QMainWindow::changeEvent(event);
}

int TGameForm::Ask(QDialog& box) const
{
    return Closed ? QDialog::Rejected : box.exec();
}

bool TGameForm::Confirm(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    return Ask(box) == QMessageBox::Ok;
}

void TGameForm::Inform(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, this);
    Ask(box);
}

void TGameForm::OpenHelp()
{
    // The desktop's opener reports success whenever it can be started, even
    // for a file that is not there, so a missing page is caught here first.
    const QString page = QString::fromStdString(FHelpFileName);
    if (QFileInfo::exists(page) && QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        return;
    QMessageBox box(QMessageBox::Warning, Title(), tr("Failed to open the file: %1").arg(page),
                    QMessageBox::Ok, this);
    Ask(box);
}

void TGameForm::LoadSettings()
{
    // A missing or bad file gives the defaults, high score 0 included, and
    // the window system's placement.
    const TGameSettings settings = SettingsFile.Load().value_or(TGameSettings());
    SetOptions(settings.Form);
    GameBox->SetOptions(settings.Box);
    // A size beyond the desktop, from a damaged or foreign file, could make
    // the window system fail; the desktop is as large as a window gets.
    const QSize desktop = QGuiApplication::primaryScreen()->availableVirtualSize();
    SetClientSize(std::min(settings.ClientWidth, desktop.width()),
                  std::min(settings.ClientHeight, desktop.height()));
    ReadPosition = settings.Position;
    // A position off every screen (a monitor unplugged since) would hide the
    // window; it then takes the default placement.
    const auto position = settings.StartPosition();
    if (!position || !KnowsPosition())
        return;
    const QRect frame(QPoint(position->Left, position->Top), size());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(frame)) {
            move(frame.topLeft());
            return;
        }
    }
}

void TGameForm::SaveSettings()
{
    TGameSettings settings;
    settings.Form = Options;
    settings.Box = GameBox->GetOptions();
    settings.ClientWidth = ClientSize().width();
    settings.ClientHeight = ClientSize().height();
    settings.Position = KnowsPosition() ? TGameSettings::TPosition{x(), y()} : ReadPosition;
    SettingsFile.Save(settings);
}

bool TGameForm::KnowsPosition()
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

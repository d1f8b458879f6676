// The main window offscreen, as a player drives it: the commands with their boxes answered, the
// check marks, the sizes, the help page, the error box and the settings applied at start.
#include "TGameForm.h"
#include "Common.h"
#include "TGameApplication.h"
#include "TGameBox.h"
#include "TGameScoresFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <deque>
#include <fstream>
#include <sys/stat.h>

namespace {

// What the last message box showed before it was answered.
struct TBoxSeen {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Runs action and answers every message box it opens with button.
TBoxSeen Answer(const std::function<void()>& action, QMessageBox::StandardButton button)
{
    TBoxSeen seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->button(button)->click();
        }
    });
    answerer.start(0);
    action();
    return seen;
}

TBoxSeen Answer(QAction* item, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    return Answer([item] { item->trigger(); }, button);
}

// Runs action and answers the boxes it opens in turn, each with the first
// step left: a step that takes the box it finds returns true.
using TStep = std::function<bool(QWidget&)>;
void Steps(const std::function<void()>& action, std::deque<TStep> steps)
{
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box != nullptr && !steps.empty() && steps.front()(*box))
            steps.pop_front();
    });
    answerer.start(0);
    action();
    EXPECT_TRUE(steps.empty()) << steps.size() << " boxes never came";
}

// A step: clicks the button of the box whose text is button.
TStep Click(const QString& button)
{
    return [button](QWidget& box) {
        for (auto* found : box.findChildren<QPushButton*>())
            if (found->text() == button) {
                // Later: a box it opens runs a loop of its own, where this
                // timer's own call would be waited for in vain.
                QTimer::singleShot(0, found, &QPushButton::click);
                return true;
            }
        return false;
    };
}

// A step: the file box chooses path.
TStep Choose(const QString& path)
{
    return [path](QWidget& box) {
        auto* files = qobject_cast<QFileDialog*>(&box);
        if (files != nullptr) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        }
        return files != nullptr;
    };
}

// A step: a message box's text is kept in text, and it is answered OK.
TStep Read(QString& text)
{
    return [&text](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        if (message != nullptr) {
            text = message->text();
            message->accept();
        }
        return message != nullptr;
    };
}

class TGameFormTest : public ::testing::Test {
protected:
    std::unique_ptr<TGameForm> Open(const std::string& help = TGameForm::HelpFileName())
    {
        const TGameSettingsPlace place{Folder.filePath("Settings.ini").toStdString(), ""};
        return std::make_unique<TGameForm>(place, help, Folder.filePath("scores").toStdString());
    }

    QTemporaryDir Folder;
};

// A two-player game whose scores both enter the tables asks player 1, then player 2, for a name,
// once the tick that ended it has returned; the names then show in the High Scores box.
TEST_F(TGameFormTest, ScoresForTheTablesAskForNamesAfterTheTick)
{
    const auto form = Open();
    QStringList asked;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            asked += box->labelText().section('\n', 0, 0);
            box->setTextValue(asked.size() == 1 ? "Ann" : "Bo\tb");
            box->accept();
        }
    });
    answerer.start(0);
    form->GameEnded({3, 9});
    EXPECT_TRUE(asked.empty()) << "asked inside the tick";
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.size() == 2; }, 5000));
    EXPECT_EQ(asked, QStringList({"Player 1 (arrow keys)", "Player 2 (A, D, W and S keys)"}));
    const QString text = Answer(form->HighScores_MenuItem).Text;
    EXPECT_TRUE(text.contains(QRegularExpression("Bob.*9.*&lt; new.*Ann.*3")))
        << text.toStdString();

    // Against the computer, the person alone is asked, for a table of its own with the strength.
    asked.clear();
    form->GameEnded({4, 20}, TGameLevel::Hard);
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.size() == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(asked, QStringList({"A score for the table of the best games."}));
    const auto& computer = form->GetScores().Table(TGameScores::AgainstComputer);
    ASSERT_EQ(computer.size(), 1U);
    EXPECT_EQ(computer[0].Score, 4);
    EXPECT_TRUE(Answer(form->HighScores_MenuItem).Text.contains(QRegularExpression("4.*Hard")));

    // Cleared tables stay cleared: the save must not merge the file's entries back.
    const TStep sure = [](QWidget& box) {
        auto* question = qobject_cast<QMessageBox*>(&box);
        const bool found = question != nullptr && question->text().endsWith("Sure?");
        if (found)
            question->button(QMessageBox::Ok)->click();
        return found;
    };
    Steps([&] { form->HighScores_MenuItem->trigger(); }, {Click("Clear..."), sure});
    for (int table = TGameScores::OnePlayer; table <= TGameScores::AgainstComputer; ++table)
        EXPECT_TRUE(
            form->GetScores().Table(table).empty() &&
            TGameScoresFile(Folder.filePath("scores").toStdString()).Load().Table(table).empty());
}

// SIGTERM, as at a session's end, ends the game as Exit does: the box open
// closes as Cancel and no other opens; the games whose names were still to
// be asked for (a box was open) are kept under the name offered.
TEST_F(TGameFormTest, ASignalEndsTheGameAsExitDoes)
{
    QFile scores(Folder.filePath("scores"));
    std::ofstream(scores.fileName().toStdString()) << "Tolm Game scores 1\nlast\tZed\n";
    auto form = Open();
    form->show();
    form->GameBox->SetOptions({9, true, true});
    QTimer::singleShot(0, [&] {
        form->GameEnded({3, 9});
        QTimer::singleShot(300, [] { std::raise(SIGTERM); });
    });
    // Unlike a question, this box has no button that a close presses.
    form->HighScores_MenuItem->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Answer(form->Status_MenuItem).Text, "") << "a box opened";
    form.reset();
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(scores.readAll(), "Tolm Game scores 2\nlast\tZed\n2\t9\t" + today +
                                    "\tZed\t\t\n2\t3\t" + today + "\tZed\t\t\n");
    EXPECT_TRUE(QFile::exists(Folder.filePath("Settings.ini")));
}

TEST_F(TGameFormTest, CommandsChangeTheGameAndTheirCheckMarksFollow)
{
    const auto form = Open();
    TGameBox& box = *form->GameBox;
    form->New2PlayersP_MenuItem->trigger();
    EXPECT_EQ(box.State(), gbsTwoPlayers);
    form->ComputerHard_MenuItem->trigger();
    EXPECT_TRUE(form->ComputerHard_MenuItem->isChecked() &&
                !form->ComputerMedium_MenuItem->isChecked());
    form->NewComputerP_MenuItem->trigger();
    EXPECT_EQ(box.State(), gbsAgainstComputer);
    EXPECT_EQ(box.Opponent(), TGameLevel::Hard);
    form->New1PlayerP_MenuItem->trigger();
    EXPECT_EQ(box.State(), gbsOnePlayer);
    form->showMinimized();
    EXPECT_TRUE(box.Paused()) << "a game played on in a minimized window";
    for (QAction* item :
         {form->BusyGame_MenuItem, form->Sound_MenuItem, form->LastPosition_MenuItem}) {
        const bool before = item->isChecked();
        item->trigger();
        EXPECT_NE(item->isChecked(), before);
    }
    EXPECT_EQ(box.GetOptions(), TGameBoxOptions(0, true, false));
    EXPECT_FALSE(form->GetOptions().LastPosition);

    box.SetOptions({9, true, false});
    Answer(form->Default_MenuItem, QMessageBox::Cancel);
    EXPECT_TRUE(box.GetOptions().BusyGame);
    const TBoxSeen seen = Answer(form->Default_MenuItem);
    EXPECT_EQ(seen.Text, "Applying default settings.\n\nHigh-score will not be cleared.\n\nSure?");
    EXPECT_EQ(seen.Caption, "Tolm Game");
    EXPECT_EQ(seen.Icon, QMessageBox::Question);
    EXPECT_EQ(box.GetOptions(), TGameBoxOptions(9, false, true));
    EXPECT_EQ(form->GetOptions(), TGameFormOptions());
    EXPECT_TRUE(form->LastPosition_MenuItem->isChecked() && form->Sound_MenuItem->isChecked() &&
                form->ComputerMedium_MenuItem->isChecked());
    EXPECT_FALSE(form->BusyGame_MenuItem->isChecked() || form->Sizable_MenuItem->isChecked());

    Answer(form->ClearHighScore_MenuItem, QMessageBox::Cancel);
    EXPECT_EQ(Answer(form->StatusP_MenuItem).Text, "High-Score: 9");
    Answer(form->ClearHighScore_MenuItem);
    EXPECT_EQ(Answer(form->StatusP_MenuItem).Text, "High-Score: 0");
    // The secondary button anywhere opens the context menu.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(form->GameBox, &click);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
}

// A game cut short once a player moved is kept. The Replays box lists it, saves it where the
// player chooses and watches it, or a file from elsewhere, which is refused with the line and
// the problem when it is no game that plays to its recorded end. The High Scores box links an
// entry to its game while that is kept.
TEST_F(TGameFormTest, KeptGamesAreListedSavedOpenedAndWatched)
{
    const auto form = Open();
    TGameBox& box = *form->GameBox;
    form->New1PlayerP_MenuItem->trigger();
    box.KeyDown(0x27);
    box.Tick();
    box.KeyUp(0x27);
    form->New1PlayerP_MenuItem->trigger();
    const QStringList kept = QDir(Folder.filePath("replays")).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    QString listed;
    const QString saved = Folder.filePath("shared.replay");
    Steps([&] { form->Replays_MenuItem->trigger(); },
          {[&](QWidget& replays) {
               listed = replays.findChild<QListWidget*>()->item(0)->text();
               return Click("&Save As...")(replays);
           },
           Choose(saved), [](QWidget& replays) { return replays.close(); }});
    EXPECT_TRUE(
        listed.contains(QRegularExpression(R"(^20\d\d-\d\d-\d\d \d\d:\d\d:\d\d    0    Started$)")))
        << listed.toStdString();
    QFile copy(saved), original(Folder.filePath("replays/" + kept[0]));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
    original.seek(0);

    const QString bad = Folder.filePath("bad.replay");
    QStringList lines = QString(original.readAll()).split('\n');
    lines[1] = "jump 3";
    std::ofstream(bad.toStdString()) << lines.join('\n').toStdString();
    const QString fifo = Folder.filePath("fifo.replay");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const auto& [file, problem] :
         {std::pair(bad, QString("line 2: unknown command \"jump\"")),
          std::pair(fifo, QString("the file cannot be read, or is over 1 MiB"))}) {
        QString refused;
        Steps([&] { form->Replays_MenuItem->trigger(); },
              {Click("&Open..."), Choose(file), Read(refused)});
        EXPECT_EQ(refused.toStdString(), ("This game cannot be watched: " + problem).toStdString());
        EXPECT_EQ(static_cast<int>(box.State()), static_cast<int>(gbsOnePlayer))
            << file.toStdString();
    }
    Steps([&] { form->Replays_MenuItem->trigger(); }, {Click("&Open..."), Choose(saved)});
    EXPECT_EQ(box.State(), gbsReplay);

    // The tables' entries: one whose game is kept, one whose game is gone.
    form->New1PlayerP_MenuItem->trigger();
    std::ofstream(Folder.filePath("scores").toStdString())
        << "Tolm Game scores 2\n1\t5\t2026-12-08\tAnn\t\t" << kept[0].toStdString()
        << "\n1\t4\t2026-12-08\tBo\t\tgone.replay\n";
    const auto reopened = Open();
    Steps([&] { reopened->HighScores_MenuItem->trigger(); }, {[&](QWidget& scores) {
              auto* label = scores.findChild<QLabel*>("qt_msgbox_label");
              EXPECT_EQ(label->text().count("<a href"), 1) << label->text().toStdString();
              EXPECT_TRUE(label->text().contains(
                  QRegularExpression("Ann.*href=\"" + kept[0] + "\">Watch</a>.*Bo")));
              QTest::keyClick(label, Qt::Key_Tab); // to the link, as a player does
              QTest::keyClick(label, Qt::Key_Return);
              return true;
          }});
    EXPECT_EQ(reopened->GameBox->State(), gbsReplay);
}

TEST_F(TGameFormTest, HelpOpensThePageInTheLanguageOrSaysWhichFileIsMissing)
{
    // Stands in for the desktop's opener: any object with a slot that takes
    // a URL serves, and a text browser remembers the last one.
    QTextBrowser opener;
    QDesktopServices::setUrlHandler("file", &opener, "setSource");
    for (const std::string language : {"", "pt_BR", "xx"}) { // the page in the language, if any
        Answer(Open(TGameForm::HelpFileName(language))->Help2_MenuItem);
        EXPECT_EQ(opener.source().toLocalFile().toStdString(),
                  Common::ProgramFolder() +
                      (language == "pt_BR" ? "Help/index.pt_BR.html" : "Help/index.html"));
    }
    const std::string missing = Folder.filePath("Help/index.html").toStdString();
    const TBoxSeen seen = Answer(Open(missing)->Help2_MenuItem);
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(seen.Text.toStdString(), "Failed to open the file: " + missing);
    EXPECT_EQ(seen.Icon, QMessageBox::Warning);
}

// Resizing keeps the client area whatever the frame. At start, sizes and positions are as read,
// but for a position off every screen or without Last Position on, and a size beyond the desktop.
TEST_F(TGameFormTest, SizesKeepTheClientAreaAndSettingsAreAppliedAtStart)
{
    const auto form = Open();
    for (const bool sizable : {false, true}) {
        form->ResizeTo150_MenuItem->trigger();
        EXPECT_EQ(form->ClientSize(), QSize(504, 492)) << "sizable " << sizable;
        form->ResizeTo200_MenuItem->trigger();
        form->Sizable_MenuItem->trigger();
        EXPECT_EQ(form->ClientSize(), QSize(672, 656));
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), !sizable);
        EXPECT_EQ(form->minimumSize() == form->maximumSize(), sizable);
        form->ResizeTo100_MenuItem->trigger();
        EXPECT_EQ(form->ClientSize(), QSize(336, 328));
    }

    const QSize desktop = QGuiApplication::primaryScreen()->availableVirtualSize();
    const std::vector<std::tuple<const char*, TGameFormOptions, QSize, QPoint, bool>> cases = {
        {"-1,-1,7,0,0,672,656,10,20,", {true, true}, {672, 656}, {10, 20}, true},
        {"0,0,7,0,-1,504,492,10,20,", {false, false}, {504, 492}, {10, 20}, false},
        {"0,-1,7,0,-1,336,328,-9000,10,", {}, {336, 328}, {-9000, 10}, false},
        {"-1,-1,7,0,-1,99999,99999,10,20,", {true, true}, desktop, {10, 20}, true},
    };
    for (const auto& [values, options, client, at, moved] : cases) {
        SCOPED_TRACE(values);
        std::ofstream(Folder.filePath("Settings.ini").toStdString())
            << "[Settings]\nValues=" << values;
        const auto started = Open();
        EXPECT_EQ(started->GetOptions(), options);
        EXPECT_EQ(started->GameBox->GetOptions().HighScore, 7);
        EXPECT_EQ(started->ClientSize(), client);
        EXPECT_EQ(started->pos() == at, moved);
    }
}

// An error escaping an event handler is shown, and the loop goes on.
TEST(TGameApplicationTest, AnEscapedErrorIsShownWithAFullStop)
{
    const std::vector<std::pair<QString, QString>> messages = {
        {"Out of cakes", "Out of cakes."}, {"Done.", "Done."}, {"Done!", "Done!"}, {"", ""}};
    for (const auto& [message, shown] : messages)
        EXPECT_EQ(TGameApplication::WithFullStop(message), shown);
    QTimer::singleShot(0, [] { throw std::runtime_error("Out of cakes"); });
    const TBoxSeen seen = Answer([] { QTest::qWait(50); }, QMessageBox::Ok);
    EXPECT_EQ(seen.Text, "Out of cakes.");
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
}

} // namespace

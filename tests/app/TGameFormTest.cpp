// The main window offscreen, as a player drives it: every command with its
// boxes answered by a helper, the check marks, the sizes, the help page, the
// error box and the settings file read at start and written at exit.
#include "TGameForm.h"
#include "TGameApplication.h"
#include "TGameBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// What a message box showed before it was answered.
struct TBoxSeen {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Answers the next message box with button, once it is open.
std::shared_ptr<TBoxSeen> AnswerNextBox(QMessageBox::StandardButton button)
{
    auto seen = std::make_shared<TBoxSeen>();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        *seen = {box->windowTitle(), box->text(), box->icon()};
        box->button(button)->click();
        timer->deleteLater();
    });
    timer->start(0);
    return seen;
}

class TGameFormTest : public ::testing::Test {
protected:
    QString SettingsPath() const { return Folder.filePath("Settings.ini"); }
    void WriteSettings(const char* text)
    {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    std::unique_ptr<TGameForm> Open(const std::string& help = TGameForm::HelpFileName())
    {
        return std::make_unique<TGameForm>(SettingsPath().toStdString(), help);
    }
    static QSize Client(const TGameForm& form) { return form.ClientSize(); }

    QTemporaryDir Folder;
};

TEST_F(TGameFormTest, CommandsChangeTheGameAndTheirCheckMarksFollow)
{
    const auto form = Open();
    TGameBox& box = *form->GameBox;
    const std::vector<std::pair<QAction*, TGameBoxState>> games = {
        {form->New2Players_MenuItem, gbsTwoPlayers},
        {form->New1Player_MenuItem, gbsOnePlayer},
        {form->New2PlayersP_MenuItem, gbsTwoPlayers},
        {form->New1PlayerP_MenuItem, gbsOnePlayer}};
    for (const auto& [item, state] : games) {
        item->trigger();
        EXPECT_EQ(box.State(), state) << item->text().toStdString();
    }
    for (QAction* item : {form->BusyGame_MenuItem, form->Sound_MenuItem}) {
        const bool before = item->isChecked();
        item->trigger();
        EXPECT_NE(item->isChecked(), before);
        item->trigger();
        EXPECT_EQ(item->isChecked(), before);
    }
    box.SetOptions({9, true, false});
    EXPECT_TRUE(form->BusyGame_MenuItem->isChecked());
    EXPECT_FALSE(form->Sound_MenuItem->isChecked());

    form->LastPosition_MenuItem->trigger();
    EXPECT_FALSE(form->LastPosition_MenuItem->isChecked());
    EXPECT_FALSE(form->GetOptions().LastPosition);

    AnswerNextBox(QMessageBox::Cancel);
    form->Default_MenuItem->trigger();
    EXPECT_TRUE(box.GetOptions().BusyGame);
    const auto seen = AnswerNextBox(QMessageBox::Ok);
    form->Default_MenuItem->trigger();
    EXPECT_EQ(seen->Text, "Applying default settings.\n\nHigh-score will not be cleared.\n\nSure?");
    EXPECT_EQ(seen->Caption, "Tolm Game");
    EXPECT_EQ(seen->Icon, QMessageBox::Question);
    EXPECT_EQ(box.GetOptions(), TGameBoxOptions(9, false, true));
    EXPECT_EQ(form->GetOptions(), TGameFormOptions());
    EXPECT_TRUE(form->LastPosition_MenuItem->isChecked() && form->Sound_MenuItem->isChecked());
    EXPECT_FALSE(form->BusyGame_MenuItem->isChecked() || form->Sizable_MenuItem->isChecked());

    AnswerNextBox(QMessageBox::Cancel);
    form->ClearHighScore_MenuItem->trigger();
    EXPECT_EQ(box.GetOptions().HighScore, 9);
    AnswerNextBox(QMessageBox::Ok);
    form->ClearHighScore_MenuItem->trigger();
    EXPECT_EQ(box.GetOptions().HighScore, 0);
}

TEST_F(TGameFormTest, InformationBoxesShowTheirTexts)
{
    const auto form = Open();
    form->GameBox->SetOptions({42, false, true});
    const std::vector<std::tuple<QAction*, QString, QString>> boxes = {
        {form->Status_MenuItem, "Status", "High-Score: 42"},
        {form->StatusP_MenuItem, "Status", "High-Score: 42"},
        {form->Tips_MenuItem, "Tips", "[Controls]\nPlayer 1: Arrow keys\n"},
        {form->About_MenuItem, "About", "Tolm Game\nVersion "}};
    for (const auto& [item, caption, text] : boxes) {
        const auto seen = AnswerNextBox(QMessageBox::Ok);
        item->trigger();
        EXPECT_EQ(seen->Caption, caption);
        EXPECT_TRUE(seen->Text.startsWith(text)) << seen->Text.toStdString();
        EXPECT_EQ(seen->Icon, QMessageBox::Information);
    }
}

TEST_F(TGameFormTest, ResizingKeepsTheClientAreaWhateverTheFrame)
{
    const auto form = Open();
    EXPECT_EQ(Client(*form), QSize(336, 328));
    for (const bool sizable : {false, true}) {
        const std::vector<std::pair<QAction*, QSize>> sizes = {
            {form->ResizeTo150_MenuItem, {504, 492}},
            {form->ResizeTo200_MenuItem, {672, 656}},
            {form->ResizeTo100_MenuItem, {336, 328}}};
        for (const auto& [item, size] : sizes) {
            item->trigger();
            EXPECT_EQ(Client(*form), size) << "sizable " << sizable;
        }
        form->ResizeTo200_MenuItem->trigger();
        form->Sizable_MenuItem->trigger();
        EXPECT_EQ(Client(*form), QSize(672, 656));
        EXPECT_EQ(form->Sizable_MenuItem->isChecked(), !sizable);
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), !sizable);
        EXPECT_EQ(form->minimumSize() == form->maximumSize(), sizable);
        form->ResizeTo100_MenuItem->trigger();
    }
}

TEST_F(TGameFormTest, HelpOpensThePageOrSaysWhichFileIsMissing)
{
    // Stands in for the desktop's opener: any object with a slot that takes
    // a URL serves, and a text browser remembers the last one.
    QTextBrowser opener;
    QDesktopServices::setUrlHandler("file", &opener, "setSource");
    const auto form = Open();
    AnswerNextBox(QMessageBox::Ok);
    form->Help2_MenuItem->trigger();
    EXPECT_EQ(opener.source().toLocalFile().toStdString(), TGameForm::HelpFileName());

    const std::string missing = Folder.filePath("Help/index.html").toStdString();
    const auto other = Open(missing);
    AnswerNextBox(QMessageBox::Ok);
    const auto seen = AnswerNextBox(QMessageBox::Ok);
    other->Help2_MenuItem->trigger();
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(seen->Text.toStdString(), "Failed to open the file: " + missing);
    EXPECT_EQ(seen->Icon, QMessageBox::Warning);
}

// Key preview: the view hears the key through the window; the secondary
// button anywhere opens the context menu.
TEST_F(TGameFormTest, KeysReachTheViewAndTheRightButtonOpensTheContextMenu)
{
    const auto form = Open();
    QTest::keyClick(form.get(), Qt::Key_Space);
    EXPECT_EQ(form->GameBox->State(), gbsOnePlayer);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(form->GameBox, &click);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->close();
}

TEST_F(TGameFormTest, SettingsAreReadAtStart)
{
    const QSize desktop = QGuiApplication::primaryScreen()->availableVirtualSize();
    struct TCase {
        const char* File;
        TGameFormOptions Form;
        TGameBoxOptions Box;
        QSize Client;
        // The window stands there exactly when Moved.
        QPoint At;
        bool Moved;
    };
    const std::vector<TCase> cases = {
        {"[Settings]\r\nValues=-1,-1,7,0,0,672,656,10,20,\r\n",
         {true, true},
         {7, false, false},
         {672, 656},
         {10, 20},
         true},
        {"[Settings]\nValues=0,-1,5,0,0\n", {}, {}, {336, 328}, {10, 20}, false},
        {"; kept?\n[settings]\nVALUES=0,0,7,0,-1,504,492,10,20,x\n",
         {false, false},
         {7, false, true},
         {504, 492},
         {10, 20},
         false},
        {"[Settings]\nValues=0,-1,0,0,-1,336,328,-9000,10,\n",
         {},
         {},
         {336, 328},
         {-9000, 10},
         false},
        {"[Settings]\nValues=-1,-1,0,0,-1,99999,99999,10,20,\n",
         {true, true},
         {},
         desktop,
         {10, 20},
         true},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.File);
        WriteSettings(row.File);
        const auto form = Open();
        EXPECT_EQ(form->GetOptions(), row.Form);
        EXPECT_EQ(form->GameBox->GetOptions(), row.Box);
        EXPECT_EQ(Client(*form), row.Client);
        EXPECT_EQ(form->pos() == row.At, row.Moved);
    }
}

TEST_F(TGameFormTest, ExitWritesWhatTheNextStartReads)
{
    {
        const auto form = Open();
        form->GameBox->SetOptions({12, true, false});
        form->Sizable_MenuItem->trigger();
        form->ResizeTo150_MenuItem->trigger();
        form->move(30, 40);
    }
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Settings]\r\nValues=-1,-1,12,-1,0,504,492,30,40,\r\n\r\n");
    const auto form = Open();
    EXPECT_EQ(form->GetOptions(), TGameFormOptions(true, true));
    EXPECT_EQ(form->GameBox->GetOptions(), TGameBoxOptions(12, true, false));
    EXPECT_EQ(Client(*form), QSize(504, 492));
    EXPECT_EQ(form->pos(), QPoint(30, 40));
    form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->GameBox->size() == QSize(504, 492); }, 2000));
    form->Exit_MenuItem->trigger();
    EXPECT_FALSE(form->isVisible());
}

// An error escaping an event handler is shown, and the loop goes on.
TEST(TGameApplicationTest, AnEscapedErrorIsShownWithAFullStop)
{
    const std::vector<std::pair<QString, QString>> messages = {
        {"Out of cakes", "Out of cakes."}, {"Done.", "Done."}, {"Done!", "Done!"}, {"", ""}};
    for (const auto& [message, shown] : messages)
        EXPECT_EQ(TGameApplication::WithFullStop(message), shown);
    const auto seen = AnswerNextBox(QMessageBox::Ok);
    QTimer failing;
    QObject::connect(&failing, &QTimer::timeout, [] { throw std::runtime_error("Out of cakes"); });
    failing.setSingleShot(true);
    failing.start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !seen->Text.isEmpty(); }, 2000));
    EXPECT_EQ(seen->Text, "Out of cakes.");
    EXPECT_EQ(seen->Icon, QMessageBox::Critical);
}

} // namespace

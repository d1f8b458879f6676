#include "TGameReplaysBox.h"

#include "TGameBox.h"
#include "TGameDiskFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Describe(const TGameReplayStore::TKept& game)
{
    QStringList scores;
    for (const int score : game.Scores)
        scores += QString::number(score);
    return QStringLiteral("%1    %2    %3")
        .arg(QString::fromStdString(game.When), scores.join(QStringLiteral(" : ")),
             QString::fromStdString(TGameBox::RuleWord(game.End)));
}

} // namespace

TGameReplaysBox::TGameReplaysBox(const TGameReplayStore& store, QWidget* parent)
    : QDialog(parent), Store(store), Kept(store.List()), List(new QListWidget(this))
{
    setWindowTitle(tr("Replays"));
    // Thousands of rows of one height are laid out at once.
    List->setUniformItemSizes(true);
    for (const TGameReplayStore::TKept& game : Kept)
        List->addItem(Describe(game));
    if (Kept.empty())
        List->addItem(tr("No games kept yet."));
    List->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* watch = buttons->addButton(tr("&Watch"), QDialogButtonBox::AcceptRole);
    QPushButton* save = buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole);
    QPushButton* open = buttons->addButton(tr("&Open..."), QDialogButtonBox::ActionRole);
    watch->setEnabled(!Kept.empty());
    save->setEnabled(!Kept.empty());
    watch->setDefault(true);
    connect(watch, &QPushButton::clicked, this, &TGameReplaysBox::Watch);
    connect(save, &QPushButton::clicked, this, &TGameReplaysBox::SaveAs);
    connect(open, &QPushButton::clicked, this, &TGameReplaysBox::Open);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(List, &QListWidget::itemActivated, this, &TGameReplaysBox::Watch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List);
    layout->addWidget(buttons);
    resize(460, 320);
}

const TGameReplayStore::TKept* TGameReplaysBox::Selected() const
{
    const int row = List->currentRow();
    return row >= 0 && row < static_cast<int>(Kept.size()) ? &Kept[static_cast<std::size_t>(row)]
                                                           : nullptr;
}

void TGameReplaysBox::Watch()
{
    if (const TGameReplayStore::TKept* game = Selected()) {
        FChosen = Store.Read(game->Name);
        accept();
    }
}

void TGameReplaysBox::SaveAs()
{
    const TGameReplayStore::TKept* game = Selected();
    if (game == nullptr)
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save As"), QDir::home().filePath(QString::fromStdString(game->Name)),
        tr("Replays (*.replay)"));
    if (path.isEmpty())
        return;
    const std::optional<std::string> script = Store.Read(game->Name);
    if (!script || !TGameDiskFile::Write(path.toStdString(), *script))
        QMessageBox::warning(this, windowTitle(),
                             tr("The game could not be saved as %1.").arg(path));
}

void TGameReplaysBox::Open()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QDir::homePath(),
                                                      tr("Replays (*.replay);;All files (*)"));
    if (path.isEmpty())
        return;
    FChosen = TGameDiskFile::Read(path.toStdString());
    accept();
}

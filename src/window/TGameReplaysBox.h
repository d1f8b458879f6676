#pragma once
// The games kept, the newest first: date, scores and how each ended. Watch
// chooses the one selected; Save As writes it to a file of the player's
// choice, to share; Open chooses a file from elsewhere, read as the game
// reads its own files, so that a pipe or a huge file never holds it up.

#include "TGameReplayStore.h"

#include <QCoreApplication>
#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListWidget;

class TGameReplaysBox : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TGameReplaysBox)

public:
    TGameReplaysBox(const TGameReplayStore& store, QWidget* parent);

    // Once accepted: the script to watch, or nothing when the file chosen
    // could not be read.
    const std::optional<std::string>& Chosen() const { return FChosen; }

private:
    void Watch();
    void SaveAs();
    void Open();
    const TGameReplayStore::TKept* Selected() const;

    const TGameReplayStore& Store;
    const std::vector<TGameReplayStore::TKept> Kept;
    QListWidget* List = nullptr;
    std::optional<std::string> FChosen;
};

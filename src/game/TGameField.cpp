#include "TGameField.h"

#include "Random.h"
#include "TGameHomeUnit.h"
#include "TGamePlayerUnit.h"
#include "TGameSoundSink.h"
#include "TGameTargetUnit.h"

#include <array>

namespace {

constexpr int FenceCount = 4;
constexpr int SpawnTries = 6;
constexpr int NoSprite = -1;

// The sprite code of each terrain; open ground shows the cell colour only.
constexpr std::array<int, 4> TerrainSprite = {NoSprite, 0, 1, 2};

} // namespace

TGameField::TGameField(int width, int height) : Map(width, height) {}

TGameField::~TGameField() = default;

void TGameField::Reset()
{
    Players.clear();
    Units.clear();
    Map.Clear();
    Over = false;
}

void TGameField::Start(int players)
{
    Reset();
    LayBorder();
    PlacePlayers(players);
    SetFences();
    Message = "Started";
}

void TGameField::LayBorder()
{
    for (int x = 0; x < Map.Width(); ++x) {
        for (int y = 0; y < Map.Height(); ++y) {
            if (x == 0 || x == Map.Width() - 1 || y == 0 || y == Map.Height() - 1)
                Map.SetTerrain(x, y, gtBush);
        }
    }
}

TPoint TGameField::RandomCell() const
{
    const int x = Random::DrawMod(Map.Width());
    const int y = Random::DrawMod(Map.Height());
    return {x, y};
}

void TGameField::PlacePlayers(int players)
{
    const TPoint centre{Map.Width() / 2, Map.Height() / 2};
    for (int i = 0; i < players; ++i) {
        // Border cells and taken cells are simply drawn again.
        TPoint cell = players == 1 ? centre : RandomCell();
        while (!Map.IsFree(cell.X, cell.Y))
            cell = RandomCell();
        auto& player = AddUnit(std::make_unique<TGamePlayerUnit>(i), cell.X, cell.Y);
        Players.push_back(static_cast<TGamePlayerUnit*>(&player));
    }
    // The home goes in last, so the shared start cell shows the home.
    if (players == 1)
        AddUnit(std::make_unique<TGameHomeUnit>(), centre.X, centre.Y);
}

void TGameField::SetFences()
{
    for (int placed = 0; placed < FenceCount;) {
        const TPoint cell = RandomCell();
        if (Map.IsFree(cell.X, cell.Y)) {
            Map.SetTerrain(cell.X, cell.Y, gtFence);
            ++placed;
        }
    }
}

TGameUnit& TGameField::AddUnit(std::unique_ptr<TGameUnit> unit, int x, int y)
{
    unit->X = x;
    unit->Y = y;
    Map.SetUnit(x, y, unit.get());
    Units.push_back(std::move(unit));
    return *Units.back();
}

void TGameField::Tick(const TGamePads& pads, TGameSoundSink& sound)
{
    if (Over)
        return;
    StepUnits(pads, sound);
    SpawnItem();
    if (TestEnd(sound))
        UpdateHighScore();
}

void TGameField::StepUnits(const TGamePads& pads, TGameSoundSink& sound)
{
    // Units grows while we walk it: an expiring cake appends its stamp,
    // which must take its first step in this same pass.
    for (std::size_t i = 0; i < Units.size();) {
        if (!Units[i]->Alive) {
            Units.erase(Units.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        Units[i]->Step(*this, pads, sound);
        ++i;
    }
}

void TGameField::SpawnItem()
{
    if (Random::Draw() % (Busy ? 3 : 6) != 0)
        return;
    for (int attempt = 0; attempt < SpawnTries; ++attempt) {
        const TPoint cell = RandomCell();
        if (Map.IsFree(cell.X, cell.Y)) {
            const TGameItem item = Random::Draw() % 6 == 0 ? itGelato : itCake;
            AddUnit(std::make_unique<TGameTargetUnit>(item), cell.X, cell.Y);
            return;
        }
    }
}

bool TGameField::TestEnd(TGameSoundSink& sound)
{
    if (Players.size() == 1) {
        const TGamePlayerUnit& player = *Players[0];
        if (player.AtHome)
            End("Back Home", Common::sndBack, sound);
        else if (player.Stuck)
            End("Game Over", Common::sndGameOver, sound);
        return Over;
    }
    const bool p1 = Players[0]->Stuck;
    const bool p2 = Players[1]->Stuck;
    if (p1 && p2)
        End("Both are Stuck", Common::sndGameOver, sound);
    else if (p1)
        End("P1 is Stuck", Common::sndGameOver, sound);
    else if (p2)
        End("P2 is Stuck", Common::sndGameOver, sound);
    return Over;
}

void TGameField::End(const char* message, int soundId, TGameSoundSink& sound)
{
    Over = true;
    Message = message;
    sound.Play(soundId);
}

void TGameField::UpdateHighScore()
{
    for (const TGamePlayerUnit* player : Players) {
        if (player->Score > HighScore && !(ComputerOpponent && player->Index == 1))
            HighScore = player->Score;
    }
}

void TGameField::Draw(TGameCanvas& canvas, const TGameImageList& images)
{
    DrawCells(canvas, images);
    DrawStatus(canvas);
}

void TGameField::DrawCells(TGameCanvas& canvas, const TGameImageList& images)
{
    constexpr int size = Common::CellSize;
    for (int i = 0; i < Map.DirtyCount(); ++i) {
        const TPoint cell = Map.DirtyCell(i);
        const int left = cell.X * size;
        const int top = cell.Y * size;
        canvas.FillRect({left, top, left + size, top + size}, Common::GroundColor);
        const TGameUnit* unit = Map.GetUnit(cell.X, cell.Y);
        const int code =
            unit != nullptr ? unit->Sprite : TerrainSprite[Map.GetTerrain(cell.X, cell.Y)];
        if (code != NoSprite)
            canvas.DrawImage(images, Common::SpriteImage[static_cast<std::size_t>(code)], left,
                             top);
    }
    Map.ClearDirty();
}

std::string TGameField::StatusLeftText() const
{
    return " " + Word(Message);
}

std::string TGameField::StatusRightText() const
{
    switch (Players.size()) {
    case 1:
        return Word("Sc:") + " " + std::to_string(Players[0]->Score) + "  " + Word("Hi:") + " " +
               std::to_string(HighScore) + " ";
    case 2:
        return Word("P1:") + " " + std::to_string(Players[0]->Score) + "  " + Word("P2:") + " " +
               std::to_string(Players[1]->Score) + " ";
    default:
        return StatusLeftText() + " ";
    }
}

std::string TGameField::Word(const std::string& english) const
{
    return Translate ? Translate(english) : english;
}

void TGameField::DrawStatus(TGameCanvas& canvas)
{
    DrawStatusLine(canvas, StatusLeftText(), StatusRightText());
}

void TGameField::DrawStatusLine(TGameCanvas& canvas, const std::string& left,
                                const std::string& right)
{
    const TRect& strip = Common::StatusRect;
    canvas.FillRect(strip, Common::BackgroundColor);
    const TSize leftSize = canvas.TextExtent(left);
    canvas.TextOut(0, strip.Top + (strip.Height() - leftSize.Height) / 2, left, Common::TextColor,
                   Common::BackgroundColor);
    // Drawn second and opaque: where a long message meets the scores, the
    // scores win.
    const TSize rightSize = canvas.TextExtent(right);
    canvas.TextOut(strip.Right - rightSize.Width,
                   strip.Top + (strip.Height() - rightSize.Height) / 2, right, Common::TextColor,
                   Common::BackgroundColor);
}

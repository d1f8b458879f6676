// The field and the status line as the player sees them: Draw on the real
// canvas, checked pixel by pixel against the sprites.
#include "TGamePainterCanvas.h"
#include "Random.h"
#include "TGameField.h"
#include "TGamePlayerUnit.h"
#include "TGameTargetUnit.h"
#include "TGameTextCache.h"
#include "TReplaySound.h"
#include "TSpriteCells.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Ground = qRgb(0, 232, 0);
constexpr QRgb StripColor = qRgb(0, 160, 0);

class TGamePainterCanvasTest : public ::testing::Test {
protected:
    TGamePainterCanvasTest() { Random::Seed(2024); }

    void Draw()
    {
        TGamePainterCanvas canvas(Picture, Texts);
        Field.Draw(canvas, Sprites());
    }
    QImage Cell(int x, int y) const { return Picture.copy(16 * x, 16 * y, 16, 16); }
    // What the cell's contents say it must show.
    int ImageOf(int x, int y) const
    {
        static constexpr std::array<int, 4> terrainImage = {-1, 0, 1, 3};
        const TGameUnit* unit = Field.Map.GetUnit(x, y);
        return unit != nullptr ? Common::SpriteImage[static_cast<std::size_t>(unit->Sprite)]
                               : terrainImage[Field.Map.GetTerrain(x, y)];
    }
    QImage Strip() const { return Picture.copy(0, 304, 336, 24); }
    TPoint FreeCell() const
    {
        for (int y = 1;; ++y) {
            for (int x = 1; x < 20; ++x) {
                if (Field.Map.IsFree(x, y))
                    return {x, y};
            }
        }
    }

    TGameTextCache Texts{TGamePainterCanvas::PictureFont()};
    TGameField Field{21, 19};
    QImage Picture{336, 328, QImage::Format_RGB32};
    TGamePad Pad1, Pad2;
    TReplaySound Sound;
};

TEST_F(TGamePainterCanvasTest, CellsShowTheirSpritesOverGroundAndTextsSitAtTheStripsEdges)
{
    Picture.fill(Qt::black);
    Field.Start(2);
    for (int tick = 0; tick < 30; ++tick)
        Field.Tick({&Pad1, &Pad2}, Sound);
    // A trail under a player and a trail of its own.
    const TPoint p1{Field.Players[0]->X, Field.Players[0]->Y};
    Field.Map.SetTerrain(p1.X, p1.Y, gtTrail);
    const TPoint trail = FreeCell();
    Field.Map.SetTerrain(trail.X, trail.Y, gtTrail);
    // A stamp that expires on the next step leaves a bush.
    const TPoint stamp = FreeCell();
    auto& item = Field.AddUnit(std::make_unique<TGameTargetUnit>(itStamp), stamp.X, stamp.Y);
    static_cast<TGameTargetUnit&>(item).Life = 1;
    Field.StepUnits({&Pad1, &Pad2}, Sound);
    Draw();

    EXPECT_EQ(Cell(p1.X, p1.Y), SpriteOver(6, Ground)) << "the player hides its trail";
    EXPECT_EQ(Cell(trail.X, trail.Y), SpriteOver(3, Ground));
    EXPECT_EQ(Cell(stamp.X, stamp.Y), SpriteOver(0, Ground)) << "an expired stamp grows a bush";
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 21; ++x) {
            ASSERT_EQ(Cell(x, y), SpriteOver(ImageOf(x, y), Ground)) << "cell " << x << "," << y;
        }
    }

    // The message starts at the left edge of the status line and the scores
    // end at the right one, each centred in the strip by its own height.
    const QFontMetrics metrics(TGamePainterCanvas::PictureFont());
    Field.Start(1);
    Field.HighScore = 12345;
    Draw();
    const QImage strip = Strip();
    const int space = metrics.horizontalAdvance(' ');
    const int top = (24 - metrics.height()) / 2;
    const QRect ink = InkBounds(strip, strip.rect());
    EXPECT_EQ(strip.pixel(0, 0), StripColor);
    EXPECT_GE(ink.left(), space - 1);
    EXPECT_LE(ink.left(), space + 3);
    EXPECT_LE(ink.right(), 336 - space);
    EXPECT_GE(ink.right(), 336 - space - 4);
    EXPECT_GE(ink.top(), top);
    EXPECT_LT(ink.bottom(), top + metrics.height());

    // The scores are drawn on the strip's colour over a message too long to fit.
    const int scores = metrics.horizontalAdvance(QString::fromStdString(Field.StatusRightText()));
    Field.Message = std::string(40, 'W');
    Draw();
    EXPECT_EQ(Strip().copy(336 - scores, 0, scores, 24), strip.copy(336 - scores, 0, scores, 24));
    EXPECT_NE(Strip(), strip);
}

} // namespace

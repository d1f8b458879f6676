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

TEST(TGamePainterCanvasTest, CellsShowTheirSpritesOverGroundAndTextsSitAtTheStripsEdges)
{
    Random::Seed(2024);
    TGameTextCache texts(TGamePainterCanvas::PictureFont());
    TGameField field(21, 19);
    QImage picture(336, 328, QImage::Format_RGB32);
    const TGamePad pad1, pad2;
    TReplaySound sound;
    const auto draw = [&] {
        TGamePainterCanvas canvas(picture, texts);
        field.Draw(canvas, Sprites());
    };
    const auto cell = [&](TPoint at) { return picture.copy(16 * at.X, 16 * at.Y, 16, 16); };
    picture.fill(Qt::black);
    field.Start(2);
    for (int tick = 0; tick < 30; ++tick)
        field.Tick({&pad1, &pad2}, sound);
    // A trail under a player and a trail of its own.
    const TPoint p1{field.Players[0]->X, field.Players[0]->Y};
    field.Map.SetTerrain(p1.X, p1.Y, gtTrail);
    std::vector<TPoint> freeCells; // in reading order
    for (int i = 0; i < 21 * 19; ++i)
        if (field.Map.IsFree(i % 21, i / 21))
            freeCells.push_back({i % 21, i / 21});
    const TPoint trail = freeCells[0];
    field.Map.SetTerrain(trail.X, trail.Y, gtTrail);
    // A stamp that expires on the next step leaves a bush.
    const TPoint stamp = freeCells[1];
    auto& item = field.AddUnit(std::make_unique<TGameTargetUnit>(itStamp), stamp.X, stamp.Y);
    static_cast<TGameTargetUnit&>(item).Life = 1;
    field.StepUnits({&pad1, &pad2}, sound);
    draw();

    EXPECT_EQ(cell(p1), SpriteOver(6, Ground)) << "the player hides its trail";
    EXPECT_EQ(cell(trail), SpriteOver(3, Ground));
    EXPECT_EQ(cell(stamp), SpriteOver(0, Ground)) << "an expired stamp grows a bush";
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 21; ++x) {
            const TGameUnit* unit = field.Map.GetUnit(x, y);
            const int image = unit != nullptr
                                  ? Common::SpriteImage[static_cast<std::size_t>(unit->Sprite)]
                                  : std::array{-1, 0, 1, 3}[field.Map.GetTerrain(x, y)];
            ASSERT_EQ(cell({x, y}), SpriteOver(image, Ground)) << "cell " << x << "," << y;
        }
    }

    // The message starts at the left edge of the status line and the scores
    // end at the right one, each centred in the strip by its own height.
    const QFontMetrics metrics(TGamePainterCanvas::PictureFont());
    field.Start(1);
    field.HighScore = 12345;
    draw();
    const QImage strip = picture.copy(0, 304, 336, 24);
    const int space = metrics.horizontalAdvance(' '), top = (24 - metrics.height()) / 2;
    const QRect ink = InkBounds(strip, strip.rect());
    EXPECT_EQ(strip.pixel(0, 0), StripColor);
    EXPECT_NEAR(ink.left(), space + 1, 2);
    EXPECT_NEAR(ink.right(), 336 - space - 2, 2);
    EXPECT_GE(ink.top(), top);
    EXPECT_LT(ink.bottom(), top + metrics.height());

    // The scores are drawn on the strip's colour over a message too long to fit.
    const int scores = metrics.horizontalAdvance(QString::fromStdString(field.StatusRightText()));
    field.Message = std::string(40, 'W');
    draw();
    EXPECT_EQ(picture.copy(336 - scores, 304, scores, 24), strip.copy(336 - scores, 0, scores, 24));
    EXPECT_NE(picture.copy(0, 304, 336, 24), strip);
}

} // namespace

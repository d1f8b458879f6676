#pragma once
// Shared types and constant tables of the game: key table, sound file names,
// view geometry, colours and the sprite table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A cell of the field grid: X is the column, Y the row.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle of picture pixels; Right and Bottom lie outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TColor&, const TColor&) = default;
};

// What a cell's ground is; only gtEmpty can be entered.
enum TGameTerrain : std::uint8_t { gtEmpty = 0, gtBush = 1, gtFence = 2, gtTrail = 3 };

namespace Common {

inline constexpr int FieldWidth = 21;
inline constexpr int FieldHeight = 19;
inline constexpr int CellSize = 16;

// Windows virtual-key codes, the codes the pads and the key events speak.
// Row p is player p's keys in key-index order: left, right, up, down.
inline constexpr std::array<std::array<int, 4>, 2> KeyTable = {{
    {0x25, 0x27, 0x26, 0x28},
    {0x41, 0x44, 0x57, 0x53},
}};
// Key index 0..3 as a step along columns and rows.
inline constexpr std::array<TPoint, 4> KeyDirection = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
inline constexpr int KeySpace = 0x20;
inline constexpr int KeyEnter = 0x0D;
// The keys that pause a game and resume it: P and Pause.
inline constexpr int KeyP = 0x50;
inline constexpr int KeyPause = 0x13;
// Watching a replay, Escape stops it and Right changes its speed.
inline constexpr int KeyEscape = 0x1B;
inline constexpr int KeyRight = 0x27;

// Sound ids are positions in this table.
inline constexpr int SoundCount = 6;
inline constexpr std::array<const char*, SoundCount> SoundFileNames = {
    "Cake.wav", "Stamp.wav", "Gelato.wav", "Corrision.wav", "Back.wav", "GameOver.wav",
};
enum TGameSoundId { sndCake = 0, sndStamp, sndGelato, sndCollision, sndBack, sndGameOver };

inline constexpr TRect ViewRect{0, 0, 336, 328};
inline constexpr TRect FieldRect{0, 0, 336, 304};
inline constexpr TRect StatusRect{0, 304, 336, 328};

inline constexpr TColor GroundColor{0, 232, 0};
inline constexpr TColor BackgroundColor{0, 160, 0};
inline constexpr TColor TextColor{255, 255, 255};

// Sprite codes come in decades: terrain, player 1, player 2, items, home.
inline constexpr int SpriteCodeCount = 50;
inline constexpr int ImageCount = 12;
extern const std::array<int, SpriteCodeCount> SpriteImage;

// The program's own folder, ending with '/', or "" when it cannot be found.
std::string ProgramFolder();
// ProgramFolder() + "Sound/".
std::string SoundFolder();

// The whole of the regular file at path: "" when nothing is there, nothing
// when something is there that is no regular file of at most limit bytes or
// cannot be read to its end. A pipe or a device in a file's place is turned
// away without a wait, and nothing larger than limit is read.
std::optional<std::string> ReadFile(const std::string& path, std::size_t limit);

} // namespace Common

#include "Common.h"

#include <filesystem>
#include <system_error>

namespace Common {

namespace {
constexpr std::array<int, SpriteCodeCount> MakeSpriteImage()
{
    std::array<int, SpriteCodeCount> table{};
    table[0] = 0;  // bush
    table[1] = 1;  // fence
    table[2] = 3;  // trail: a row of cakes
    table[10] = 6; // player 1, blinking, stuck
    table[11] = 7;
    table[12] = 8;
    table[20] = 9; // player 2, blinking, stuck
    table[21] = 10;
    table[22] = 11;
    table[30] = 3; // cake, stamp, gelato
    table[31] = 4;
    table[32] = 5;
    table[40] = 2; // home
    return table;
}
} // namespace

const std::array<int, SpriteCodeCount> SpriteImage = MakeSpriteImage();

std::string ProgramFolder()
{
    // Fixed at the first call, so a later change of the working folder or a
    // replaced file on disk cannot move the program's data.
    static const std::string folder = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string() : exe.parent_path().string() + "/";
    }();
    return folder;
}

std::string SoundFolder()
{
    return ProgramFolder() + "Sound/";
}

} // namespace Common

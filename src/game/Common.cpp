#include "Common.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace Common {

namespace {

// The whole of an open file, or nothing when it is no regular file, is
// larger than limit or cannot be read to its end.
std::optional<std::string> ReadOpenFile(int fd, std::size_t limit)
{
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > limit)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

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

std::optional<std::string> ReadFile(const std::string& path, std::size_t limit)
{
    // Non-blocking, so that opening a pipe with no writer cannot hang the
    // game; the pipe is then turned away as no regular file.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
    std::optional<std::string> bytes = ReadOpenFile(fd, limit);
    close(fd);
    return bytes;
}

} // namespace Common

#include "TGameDiskFile.h"
#include "Common.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

// The game writes a few hundred bytes; a file far larger is none of its own.
constexpr std::size_t MaxBytes = std::size_t{1024} * 1024;

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

} // namespace

std::optional<std::string> TGameDiskFile::Read(const std::string& path)
{
    return Common::ReadFile(path, MaxBytes);
}

bool TGameDiskFile::Write(const std::string& path, const std::string& bytes)
{
    QSaveFile file(QtPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() takes no notice of a failed flush of the last buffered bytes
    // and would put a cut-off file in place, so the flush is checked here.
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush())
        return false; // the unfinished new file dies with QSaveFile
    return file.commit();
}

bool TGameDiskFile::MakeFolder(const std::string& folder)
{
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error))
        return true;
    return MakeFolder(std::filesystem::path(folder).parent_path()) &&
           (::mkdir(folder.c_str(), S_IRWXU) == 0 || errno == EEXIST);
}

std::optional<std::string> TGameDiskFile::Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

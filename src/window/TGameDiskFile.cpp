#include "TGameDiskFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

} // namespace

std::optional<std::string> TGameDiskFile::Read(const std::string& path)
{
    QFile file(QtPath(path));
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
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

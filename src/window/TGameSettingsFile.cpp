#include "TGameSettingsFile.h"

#include "Common.h"
#include "TGameIniFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

// The file's bytes: empty when it is missing, nothing when it is there but
// cannot be read.
std::optional<std::string> ReadFile(const std::string& path)
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

// All or nothing: the bytes go to a new file beside the old one, which
// replaces the old one only once it is complete on disk.
bool WriteFile(const std::string& path, const std::string& bytes)
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

// The folder and the ones above it that are missing, for the player alone,
// as the XDG rules ask of a configuration folder.
bool MakeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error))
        return true;
    return MakeFolder(folder.parent_path()) &&
           (::mkdir(folder.c_str(), S_IRWXU) == 0 || errno == EEXIST);
}

// Asked of the rights a write is checked against (the effective ids), so
// that nothing is written to find out.
bool Writable(const std::string& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

std::optional<std::string> Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

TGameSettingsFile::TGameSettingsFile(std::string path, std::string defaultsPath)
    : FPath(std::move(path)), FDefaultsPath(std::move(defaultsPath))
{
}

TGameSettingsPlace TGameSettingsFile::PlayerPlace()
{
    TGameSettingsPlace::TFacts facts;
    facts.ProgramFolder = Common::ProgramFolder();
    const std::string beside = facts.ProgramFolder + std::string(FileName);
    facts.FolderWritable = Writable(facts.ProgramFolder);
    facts.FileExists = QFile::exists(QtPath(beside));
    facts.FileWritable = Writable(beside);
    facts.ConfigHome = Environment("XDG_CONFIG_HOME");
    facts.Home = Environment("HOME");
    return TGameSettingsPlace::Choose(facts);
}

std::optional<TGameSettings> TGameSettingsFile::Load()
{
    const bool exists = QFile::exists(QtPath(FPath));
    const std::optional<std::string> text =
        ReadFile(exists || FDefaultsPath.empty() ? FPath : FDefaultsPath);
    std::optional<TGameSettings> settings;
    if (text)
        settings =
            TGameSettings::Parse(TGameIniFile(*text).ReadString(SettingsSection, SettingsKey, ""));
    FDamaged = !settings && exists;
    return settings;
}

void TGameSettingsFile::Save(const TGameSettings& settings)
{
    // Failures end the save silently: it runs as the game closes, when no one
    // is left to tell, and the old file stays whole for the next start.
    const std::optional<std::string> old = ReadFile(FPath);
    if (!old)
        return; // rewriting a file we cannot read would lose its other sections
    if (!MakeFolder(std::filesystem::path(FPath).parent_path()))
        return;
    if (FDamaged && !WriteFile(FPath + ".bak", *old))
        return;
    TGameIniFile file(*old);
    file.WriteString(SettingsSection, SettingsKey, settings.Format());
    if (WriteFile(FPath, file.Text()))
        FDamaged = false; // a second save must not put the good file over the kept one
}

#include "TGameSettingsFile.h"

#include "Common.h"
#include "TGameDiskFile.h"
#include "TGameIniFile.h"

#include <QFile>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <utility>

namespace {

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

// Asked of the rights a write is checked against (the effective ids), so
// that nothing is written to find out.
bool Writable(const std::string& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
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
    facts.ConfigHome = TGameDiskFile::Environment("XDG_CONFIG_HOME");
    facts.Home = TGameDiskFile::Environment("HOME");
    return TGameSettingsPlace::Choose(facts);
}

std::optional<TGameSettings> TGameSettingsFile::Load()
{
    const bool exists = QFile::exists(QtPath(FPath));
    const std::optional<std::string> text =
        TGameDiskFile::Read(exists || FDefaultsPath.empty() ? FPath : FDefaultsPath);
    std::optional<TGameSettings> settings;
    if (text) {
        const TGameIniFile file(*text);
        settings = TGameSettings::Parse(file.ReadString(SettingsSection, SettingsKey, ""));
        // A strength this copy does not know, or none, gives Medium.
        if (settings)
            settings->Form.Computer =
                TGameStrength::Parse(file.ReadString(SettingsSection, ComputerKey, ""))
                    .value_or(TGameLevel::Medium);
    }
    FDamaged = !settings && exists;
    return settings;
}

void TGameSettingsFile::Save(const TGameSettings& settings)
{
    // Failures end the save silently: it runs as the game closes, when no one
    // is left to tell, and the old file stays whole for the next start.
    const std::optional<std::string> old = TGameDiskFile::Read(FPath);
    if (!old)
        return; // rewriting a file we cannot read would lose its other sections
    if (!TGameDiskFile::MakeFolder(std::filesystem::path(FPath).parent_path()))
        return;
    if (FDamaged && !TGameDiskFile::Write(FPath + ".bak", *old))
        return;
    TGameIniFile file(*old);
    file.WriteString(SettingsSection, SettingsKey, settings.Format());
    if (settings.Form.Computer != TGameLevel::Medium ||
        !file.ReadString(SettingsSection, ComputerKey, "").empty())
        file.WriteString(SettingsSection, ComputerKey, TGameStrength::Name(settings.Form.Computer));
    if (TGameDiskFile::Write(FPath, file.Text()))
        FDamaged = false; // a second save must not put the good file over the kept one
}

#include "TGameSettingsFile.h"

#include "Common.h"
#include "TGameIniFile.h"

#include <QFile>
#include <QSaveFile>

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

} // namespace

TGameSettingsFile::TGameSettingsFile(std::string path) : FPath(std::move(path)) {}

std::string TGameSettingsFile::SettingsFileName()
{
    return Common::ProgramFolder() + std::string(FileName);
}

std::optional<TGameSettings> TGameSettingsFile::Load()
{
    const std::optional<std::string> text = ReadFile(FPath);
    std::optional<TGameSettings> settings;
    if (text)
        settings =
            TGameSettings::Parse(TGameIniFile(*text).ReadString(SettingsSection, SettingsKey, ""));
    FDamaged = !settings && QFile::exists(QtPath(FPath));
    return settings;
}

void TGameSettingsFile::Save(const TGameSettings& settings)
{
    // Failures end the save silently: it runs as the game closes, when no one
    // is left to tell, and the old file stays whole for the next start.
    const std::optional<std::string> old = ReadFile(FPath);
    if (!old)
        return; // rewriting a file we cannot read would lose its other sections
    if (FDamaged && !WriteFile(FPath + ".bak", *old))
        return;
    TGameIniFile file(*old);
    file.WriteString(SettingsSection, SettingsKey, settings.Format());
    if (WriteFile(FPath, file.Text()))
        FDamaged = false; // a second save must not put the good file over the kept one
}

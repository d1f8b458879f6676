#include "TGameSettingsPlace.h"

namespace {

constexpr const char* FileName = "Settings.ini";

bool IsAbsolute(const std::optional<std::string>& path)
{
    return path && !path->empty() && path->front() == '/';
}

// The player's configuration folder, ending with '/', or nothing.
std::optional<std::string> ConfigFolder(const TGameSettingsPlace::TFacts& facts)
{
    if (IsAbsolute(facts.ConfigHome))
        return *facts.ConfigHome + "/";
    if (IsAbsolute(facts.Home))
        return *facts.Home + "/.config/";
    return std::nullopt;
}

} // namespace

TGameSettingsPlace TGameSettingsPlace::Choose(const TFacts& facts)
{
    const std::string beside = facts.ProgramFolder + FileName;
    const bool writable = facts.FolderWritable && (!facts.FileExists || facts.FileWritable);
    const std::optional<std::string> config = ConfigFolder(facts);
    if (writable || !config)
        return {beside, ""};
    return {*config + "tolm-game/" + FileName, facts.FileExists ? beside : ""};
}

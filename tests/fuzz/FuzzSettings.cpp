// Any bytes as the settings file or its values: what is written reads back unchanged.
#include "TGameIniFile.h"
#include "TGameSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TGameIniFile file(text);
    const auto settings = TGameSettings::Parse(file.ReadString("Settings", "Values", text));
    if (settings)
        file.WriteString("Settings", "Values", settings->Format());
    const TGameIniFile reread(file.Text());
    if (reread.Text() != file.Text() ||
        (settings && TGameSettings::Parse(reread.ReadString("Settings", "Values", "")) != settings))
        std::abort();
    return 0;
}

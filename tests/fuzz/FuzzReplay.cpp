// Any bytes as a replay script: a line parses, or throws a TReplayError.
#include "TReplayCommand.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(script, line);) {
        try {
            TReplayCommand::Parse(line);
        } catch (const TReplayError&) {
        }
    }
    return 0;
}

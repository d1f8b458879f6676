// Any bytes as the scores file: turned away, or read into tables whose text
// reads back the same, with names that are clean.
#include "TGameScores.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const auto scores = TGameScores::Parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!scores)
        return 0;
    for (int table : {TGameScores::OnePlayer, TGameScores::TwoPlayers})
        for (const TGameScores::TEntry& entry : scores->Table(table))
            if (entry.Name != TGameScores::CleanName(entry.Name) || entry.Score <= 0)
                std::abort();
    if (TGameScores::Parse(scores->Format()) != scores)
        std::abort();
    return 0;
}

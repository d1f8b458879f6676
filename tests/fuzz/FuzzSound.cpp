// Any bytes as an effect's file: decoded or turned away, without a crash.
#include "TGameSound.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    TGameSound::Decode({data, data + size});
    return 0;
}

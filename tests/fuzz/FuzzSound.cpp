// Any bytes as an effect's file: decoded or turned away, without a crash.
#include "TGameSound.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const TGameSound device; // the mixer decodes only for an open device
    TGameSound::Decode({data, data + size});
    return 0;
}

#pragma once
// A sound sink that plays nothing and remembers every request, in order.

#include "TGameSoundSink.h"

#include <vector>

class TReplaySound : public TGameSoundSink {
public:
    void Play(int id) override { Played.push_back(id); }
    std::vector<int> Played;
};

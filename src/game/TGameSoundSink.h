#pragma once
// Where the rules send their sound effects; the shell plays them, the tests
// and the replay tool record them.

class TGameSoundSink {
public:
    virtual ~TGameSoundSink() = default;
    // 0 <= id < Common::SoundCount. Returns at once; may do nothing.
    virtual void Play(int id) = 0;
};

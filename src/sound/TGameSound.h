#pragma once
// The game's sound effects: WAVE files held in memory and played one at a
// time through SDL_mixer, each new effect cutting off the one still playing.
// Sound is a nicety: a machine without an audio device, a missing folder or a
// broken file leaves effects silent, and nothing here reports an error.
// All players in a process share the one device and its effect channel.

#include "TGameSoundSink.h"

#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

class TGameSound : public TGameSoundSink {
public:
    // Opens the audio device when the machine has one; nothing is loaded yet.
    TGameSound();
    // Unload, then closes the device.
    ~TGameSound() override;
    TGameSound(const TGameSound&) = delete;
    TGameSound& operator=(const TGameSound&) = delete;

    // While false, Play does nothing and an effect already playing plays on.
    bool Enabled = true;

    // The paths of the game's effects in folder (ending with '/'), in id order.
    static std::vector<std::string> PathsIn(const std::string& folder);

    // Unload, then effect i comes from the file paths[i]. A file that is
    // missing, unreadable, over 16 MiB, or no WAVE file with samples leaves
    // its effect empty.
    void Load(const std::vector<std::string>& paths);
    // Stops the effect playing, then frees every effect.
    void Unload();
    // If Enabled: cuts off the effect playing and starts effect id, or none
    // when that effect is empty. Returns at once.
    void Play(int id) override;
    // Stops the effect playing, if any.
    void Stop();
    // Whether effect id has samples to play.
    bool Loaded(int id) const;

    struct TChunkFree {
        void operator()(Mix_Chunk* chunk) const;
    };
    using TBuffer = std::unique_ptr<Mix_Chunk, TChunkFree>;
    // The effect in a file's bytes, converted for the open device; null when
    // they are no WAVE file with samples or no player has the device open.
    static TBuffer Decode(const std::vector<unsigned char>& file);

private:
    bool FDeviceOpen = false;
    // Entry i is effect i, decoded for the device; null when file i gave
    // nothing to play.
    std::vector<TBuffer> Buffers;
};

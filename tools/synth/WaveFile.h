#pragma once
// Writing sound as a plain PCM WAVE file, the one format every player reads.

#include <cstdint>
#include <string>
#include <vector>

namespace WaveFile {

// Writes samples as a 16-bit mono PCM WAVE file at path, replacing any file
// there; false when the file cannot be written.
bool WriteMono16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace WaveFile

// The format and samples of a PCM wave file, read from its bytes; no audio output involved, so
// the reader can be tested and fuzzed on its own.
#pragma once

#include <QByteArray>
#include <optional>

namespace zarvelo::platform {

// 8-bit samples are unsigned, 16-bit samples signed, both little-endian and interleaved.
struct WaveData {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    QByteArray samples;
};

// The wave's data, or nothing when the bytes are not a PCM wave file we can play.
std::optional<WaveData> ParseWave(const QByteArray& bytes);

// The byte that stands for silence: unsigned 8-bit samples are centred on 128.
inline char SilenceByte(const WaveData& wave) { return wave.bitsPerSample == 8 ? '\x80' : '\0'; }

}  // namespace zarvelo::platform

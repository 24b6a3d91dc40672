// Fuzz target: any bytes as a wave file must be read without a fault, and what is accepted must be
// a format the player can open, with samples taken from the input, that read back the same when
// written as a plain wave file.
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/WaveFile.h"

using zarvelo::platform::ParseWave;
using zarvelo::platform::WaveData;

namespace {

// The low bytes of v, least significant first.
QByteArray Le(qint64 v, int bytes) {
    QByteArray b(4, '\0');
    qToLittleEndian(static_cast<quint32>(v), b.data());
    return b.left(bytes);
}

QByteArray Plain(const WaveData& w) {
    const qint64 align = w.channels * w.bitsPerSample / 8;
    const QByteArray fmt = Le(1, 2) + Le(w.channels, 2) + Le(w.sampleRate, 4) +
                           Le(qint64{w.sampleRate} * align, 4) + Le(align, 2) +
                           Le(w.bitsPerSample, 2);
    QByteArray chunks = "fmt " + Le(16, 4) + fmt + "data" + Le(w.samples.size(), 4) + w.samples;
    if (w.samples.size() % 2) chunks += '\0';
    return "RIFF" + Le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Not copied: a read beyond the input is a read beyond the fuzzer's buffer.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto wave = ParseWave(bytes);
    if (!wave) return 0;
    if (wave->channels < 1 || wave->channels > 2) std::abort();
    if (wave->bitsPerSample != 8 && wave->bitsPerSample != 16) std::abort();
    if (wave->sampleRate < 1 || wave->sampleRate > 768'000) std::abort();
    // The smallest file is 44 bytes of headers before its samples.
    if (wave->samples.size() > bytes.size() - 44 || !bytes.contains(wave->samples)) std::abort();
    const auto again = ParseWave(Plain(*wave));
    if (!again || again->sampleRate != wave->sampleRate || again->channels != wave->channels ||
        again->bitsPerSample != wave->bitsPerSample || again->samples != wave->samples)
        std::abort();
    return 0;
}

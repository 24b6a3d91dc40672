// Reading PCM wave files: the RIFF chunks are walked until a format and its data are found.
#include "platform/WaveFile.h"

#include <QtEndian>

namespace zarvelo::platform {

namespace {
// Above any real sound; the player adds silence by the second, which a larger rate would make huge.
constexpr quint32 kMaxSampleRate = 768'000;

quint32 U32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData() + at));
}
quint16 U16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData() + at));
}
}  // namespace

std::optional<WaveData> ParseWave(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveData> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 declared = U32(bytes, at + 4);
        const qsizetype body = at + 8;
        // Compared unsigned: where qsizetype has 32 bits, a size from 2 GiB up would turn negative.
        if (declared > static_cast<quint64>(bytes.size() - body)) return std::nullopt;
        const qsizetype size = static_cast<qsizetype>(declared);
        if (id == "fmt " && size >= 16) {
            const int channels = U16(bytes, body + 2), bits = U16(bytes, body + 14);
            const quint32 rate = U32(bytes, body + 4);
            if (U16(bytes, body) != 1 || channels < 1 || channels > 2) return std::nullopt;
            if (rate == 0 || rate > kMaxSampleRate || (bits != 8 && bits != 16))
                return std::nullopt;
            format = WaveData{static_cast<int>(rate), channels, bits, {}};
        } else if (id == "data" && format) {
            format->samples = bytes.mid(body, size);
            return format;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace zarvelo::platform

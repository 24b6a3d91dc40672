// Wave playback straight into an audio sink: short sounds start at once and play whole. Built as
// a module of its own, which the program loads when the first sound plays.
#include "platform/WavePlayer.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace zarvelo::platform {

namespace {
constexpr qint64 kLeadInUs = 40'000;
constexpr qint64 kTrailingSilenceUs = 500'000;

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
    std::optional<QAudioFormat> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = U32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const int channels = U16(bytes, body + 2), bits = U16(bytes, body + 14);
            const int rate = static_cast<int>(U32(bytes, body + 4));
            if (U16(bytes, body) != 1 || channels < 1 || channels > 2 || rate <= 0)
                return std::nullopt;
            QAudioFormat f;
            f.setSampleRate(rate);
            f.setChannelCount(channels);
            if (bits == 16) {
                f.setSampleFormat(QAudioFormat::Int16);
            } else if (bits == 8) {
                f.setSampleFormat(QAudioFormat::UInt8);
            } else {
                return std::nullopt;
            }
            format = f;
        } else if (id == "data" && format) {
            return WaveData{*format, bytes.mid(body, size)};
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

void WavePlayer::play(const QString& path) {
    auto it = cache_.find(path);
    if (it == cache_.end()) {
        QFile file(path);
        std::optional<WaveData> wave;
        if (file.open(QIODevice::ReadOnly)) wave = ParseWave(file.readAll());
        // The sink stops as soon as it has read the last byte, dropping what its output buffer
        // still holds; trailing silence lets the sound itself play to its end.
        // A new output stream swallows its first few milliseconds, which would clip a short
        // click; a little lead-in silence goes there instead.
        if (wave) {
            wave->samples.prepend(QByteArray(wave->format.bytesForDuration(kLeadInUs), '\0'));
            wave->samples.append(
                QByteArray(wave->format.bytesForDuration(kTrailingSilenceUs), '\0'));
        }
        it = cache_.emplace(path, std::move(wave)).first;
    }
    if (!it->second) return;
    const WaveData& wave = *it->second;
    // A fresh sink for every sound: a stopped sink does not start cleanly again.
    if (sink_) {
        sink_->stop();
        sink_->deleteLater();
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    auto* sink = new QAudioSink(device, wave.format);
    auto* buffer = new QBuffer(sink);
    buffer->setData(wave.samples);
    buffer->open(QIODevice::ReadOnly);
    // Once everything is played the stream is closed: left open, it has the sound server wake
    // the program every second for nothing.
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state != QAudio::IdleState) return;
        sink->stop();
        sink->deleteLater();
    });
    sink_ = sink;
    sink->start(buffer);
}

}  // namespace zarvelo::platform

// What the program looks up in this module.
extern "C" Q_DECL_EXPORT void zarvelo_play_wave(const QString& path) {
    static auto* player = new zarvelo::platform::WavePlayer;  // as long as the program runs
    player->play(path);
}

// Wave playback straight into an audio sink: short sounds start at once and play whole. Built as
// a module of its own, which the program loads when the first sound plays.
#include "platform/WavePlayer.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

#include "platform/WaveFile.h"

namespace zarvelo::platform {

namespace {
constexpr qint64 kLeadInUs = 40'000;
constexpr qint64 kTrailingSilenceUs = 500'000;

std::optional<Sound> ReadSound(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::optional<WaveData> wave = ParseWave(file.readAll());
    if (!wave) return std::nullopt;
    QAudioFormat format;
    format.setSampleRate(wave->sampleRate);
    format.setChannelCount(wave->channels);
    format.setSampleFormat(wave->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return Sound{format, wave->samples, SilenceByte(*wave)};
}
}  // namespace

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

void WavePlayer::play(const QString& path) {
    auto it = cache_.find(path);
    if (it == cache_.end()) {
        std::optional<Sound> wave = ReadSound(path);
        // The sink stops as soon as it has read the last byte, dropping what its output buffer
        // still holds; trailing silence lets the sound itself play to its end.
        // A new output stream swallows its first few milliseconds, which would clip a short
        // click; a little lead-in silence goes there instead.
        if (wave) {
            wave->samples.prepend(
                QByteArray(wave->format.bytesForDuration(kLeadInUs), wave->silence));
            wave->samples.append(
                QByteArray(wave->format.bytesForDuration(kTrailingSilenceUs), wave->silence));
        }
        it = cache_.emplace(path, std::move(wave)).first;
    }
    if (!it->second) return;
    const Sound& wave = *it->second;
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

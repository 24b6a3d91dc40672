// Plays PCM wave files through the default audio output, one at a time.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <map>
#include <optional>

class QAudioSink;

namespace zarvelo::platform {

// A wave ready for the audio output.
struct Sound {
    QAudioFormat format;
    QByteArray samples;
    char silence = '\0';
};

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    // Starts the file without waiting; stops whatever still plays. Missing or unreadable
    // files are silent.
    void play(const QString& path);

private:
    std::map<QString, std::optional<Sound>> cache_;  // each file is read once
    QPointer<QAudioSink> sink_;  // owns the buffer it reads; gone once the sound has played
};

}  // namespace zarvelo::platform

// Reading wave files: what is played, what is refused, and that no input is read beyond its end.
#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <optional>

#include "platform/WaveFile.h"

namespace zarvelo::platform {
namespace {

QByteArray U16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray U32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk: id, size (the body's unless given) and body, with the pad byte an odd body needs.
QByteArray Chunk(const char* id, const QByteArray& body, std::optional<quint32> size = {},
                 bool pad = true) {
    QByteArray c = QByteArray(id, 4) + U32(size.value_or(static_cast<quint32>(body.size()))) + body;
    if (pad && body.size() % 2 == 1) c += '\0';
    return c;
}

QByteArray FmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = static_cast<quint16>(channels * bits / 8);
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
}
QByteArray Fmt(quint16 channels, quint32 rate, quint16 bits) {
    return Chunk("fmt ", FmtBody(1, channels, rate, bits));
}

QByteArray Riff(const QByteArray& chunks, const char* form = "WAVE") {
    return "RIFF" + U32(static_cast<quint32>(4 + chunks.size())) + QByteArray(form, 4) + chunks;
}

const QByteArray kSamples("\x01\x02\x03\x04\x05\x06\x07\x08", 8);

struct Expected {
    int rate, channels, bits;
    QByteArray samples;
};

struct Case {
    const char* name;
    QByteArray bytes;
    std::optional<Expected> expected;  // nothing: refused
};

TEST(WaveFile, ReadsPcmAndRefusesEverythingElse) {
    const QByteArray fmt16 = Fmt(1, 22050, 16);
    const QByteArray data = Chunk("data", kSamples);
    const Expected mono16{22050, 1, 16, kSamples};
    QByteArray riffSizeWrong = Riff(fmt16 + data);
    riffSizeWrong.replace(4, 4, U32(12));
    const Case cases[] = {
        {"16-bit mono", Riff(fmt16 + data), mono16},
        {"16-bit stereo", Riff(Fmt(2, 44100, 16) + data), Expected{44100, 2, 16, kSamples}},
        {"8-bit mono", Riff(Fmt(1, 8000, 8) + data), Expected{8000, 1, 8, kSamples}},
        {"8-bit stereo", Riff(Fmt(2, 11025, 8) + data), Expected{11025, 2, 8, kSamples}},
        {"format chunk with an extension size",
         Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16) + U16(0)) + data), mono16},
        {"unknown chunks before and between",
         Riff(Chunk("LIST", "INFOabcd") + fmt16 + Chunk("fact", U32(4)) + data), mono16},
        {"odd-sized chunk with its pad byte", Riff(Chunk("junk", "abc") + fmt16 + data), mono16},
        {"odd-sized data at the end without a pad byte",
         Riff(fmt16 + Chunk("data", "xyz", {}, false)), Expected{22050, 1, 16, "xyz"}},
        {"empty data", Riff(fmt16 + Chunk("data", {})), Expected{22050, 1, 16, {}}},
        {"the first data chunk counts", Riff(fmt16 + data + Chunk("data", "zz")), mono16},
        {"what follows the data is not read", Riff(fmt16 + data + "RIFF\xff\xff\xff\xff"), mono16},
        {"the RIFF size is not relied on", riffSizeWrong, mono16},
        {"sample rate at the top of the range", Riff(Fmt(1, 768000, 16) + data),
         Expected{768000, 1, 16, kSamples}},

        {"empty", {}, std::nullopt},
        {"shorter than a RIFF header", Riff({}).left(11), std::nullopt},
        {"header only", Riff({}), std::nullopt},
        {"not RIFF", "RIFX" + Riff(fmt16 + data).mid(4), std::nullopt},
        {"not WAVE", Riff(fmt16 + data, "AVI "), std::nullopt},
        {"no data chunk", Riff(fmt16), std::nullopt},
        {"no format chunk", Riff(data), std::nullopt},
        {"data before the format", Riff(data + fmt16), std::nullopt},
        {"missing pad byte shifts the next chunk",
         Riff(Chunk("junk", "abc", {}, false) + fmt16 + data), std::nullopt},
        {"format chunk cut short", Riff(fmt16.left(18)), std::nullopt},
        {"chunk header cut short", Riff(fmt16 + "dat"), std::nullopt},
        {"data larger than the file", Riff(fmt16 + Chunk("data", kSamples, 100)), std::nullopt},
        {"data size at the 32-bit limit", Riff(fmt16 + Chunk("data", kSamples, 0xFFFFFFFFu)),
         std::nullopt},
        {"unknown chunk larger than the file",
         Riff(Chunk("LIST", "ab", 0x7FFFFFF0u) + fmt16 + data), std::nullopt},
        {"format chunk too small", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16).left(14)) + data),
         std::nullopt},
        {"floating-point samples", Riff(Chunk("fmt ", FmtBody(3, 1, 22050, 32)) + data),
         std::nullopt},
        {"extensible format",
         Riff(Chunk("fmt ", FmtBody(0xFFFE, 1, 22050, 16) + U16(22) + QByteArray(22, 'x')) + data),
         std::nullopt},
        {"no channels", Riff(Fmt(0, 22050, 16) + data), std::nullopt},
        {"three channels", Riff(Fmt(3, 22050, 16) + data), std::nullopt},
        {"24-bit samples", Riff(Fmt(1, 22050, 24) + data), std::nullopt},
        {"0-bit samples", Riff(Fmt(1, 22050, 0) + data), std::nullopt},
        {"sample rate 0", Riff(Fmt(1, 0, 16) + data), std::nullopt},
        {"sample rate with the top bit set", Riff(Fmt(1, 0x80000000u, 16) + data), std::nullopt},
        {"sample rate at the 32-bit limit", Riff(Fmt(1, 0xFFFFFFFFu, 16) + data), std::nullopt},
        // The player adds half a second of silence: rates like these would ask for gigabytes.
        {"sample rate just above the range", Riff(Fmt(1, 768001, 16) + data), std::nullopt},
        {"largest positive sample rate", Riff(Fmt(2, 0x7FFFFFFFu, 16) + data), std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<WaveData> wave = ParseWave(c.bytes);
        ASSERT_EQ(wave.has_value(), c.expected.has_value()) << c.name;
        if (!wave) continue;
        EXPECT_EQ(wave->sampleRate, c.expected->rate) << c.name;
        EXPECT_EQ(wave->channels, c.expected->channels) << c.name;
        EXPECT_EQ(wave->bitsPerSample, c.expected->bits) << c.name;
        EXPECT_EQ(wave->samples, c.expected->samples) << c.name;
    }
}

// The player pads sounds with silence; for unsigned 8-bit samples zero is the loudest value.
TEST(WaveFile, SilenceIsTheMiddleOfTheSampleRange) {
    const QByteArray data = Chunk("data", kSamples);
    EXPECT_EQ(SilenceByte(*ParseWave(Riff(Fmt(1, 8000, 8) + data))), '\x80');
    EXPECT_EQ(SilenceByte(*ParseWave(Riff(Fmt(2, 8000, 16) + data))), '\0');
}

// Every cut of a file before the end of its data is refused; none is read beyond its end.
TEST(WaveFile, EveryTruncationIsRefusedUntilTheDataIsWhole) {
    const QByteArray whole =
        Riff(Chunk("LIST", "abc") + Fmt(2, 44100, 16) + Chunk("data", kSamples));
    for (qsizetype n = 0; n < whole.size(); ++n) {
        // A copy of exactly n bytes, so that a read past the end is a read past the allocation.
        const QByteArray cut(whole.constData(), n);
        EXPECT_FALSE(ParseWave(cut).has_value()) << n;
    }
    EXPECT_TRUE(ParseWave(whole).has_value());
}

// The game's own sounds, as the build makes them, are what the reader was written for.
TEST(WaveFile, TheGameSoundsAreRead) {
    for (const char* name : {"keybd1.wav", "crystal.wav", "floop_be.wav", "space152.wav",
                             "boingg.wav", "Chime_2.wav"}) {
        QFile file(QStringLiteral(ZARVELO_BIN_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        const std::optional<WaveData> wave = ParseWave(bytes);
        ASSERT_TRUE(wave.has_value()) << name;
        EXPECT_EQ(wave->bitsPerSample, 16) << name;
        EXPECT_EQ(wave->channels, 1) << name;
        EXPECT_GT(wave->samples.size(), wave->sampleRate / 100) << name;  // at least 5 ms
        EXPECT_TRUE(bytes.endsWith(wave->samples)) << name;
    }
}

}  // namespace
}  // namespace zarvelo::platform

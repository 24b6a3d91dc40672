// The generated wave files: container layout, levels, lengths and repeatable output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/make_waves/WaveSynth.h"

namespace zarvelo::waves {
namespace {

std::uint32_t ReadLe(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

std::string ReadTag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

double Rms(const std::vector<std::int16_t>& samples) {
    double sum = 0.0;
    for (std::int16_t s : samples) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

class WavHeader : public ::testing::TestWithParam<std::vector<std::int16_t>> {};

TEST_P(WavHeader, FieldsMatchTheData) {
    const std::vector<std::int16_t>& samples = GetParam();
    const std::vector<std::uint8_t> bytes = EncodeWav(samples);
    ASSERT_EQ(bytes.size(), 44 + 2 * samples.size());
    EXPECT_EQ(ReadTag(bytes, 0), "RIFF");
    EXPECT_EQ(ReadLe(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(ReadTag(bytes, 8), "WAVE");
    EXPECT_EQ(ReadTag(bytes, 12), "fmt ");
    EXPECT_EQ(ReadLe(bytes, 16, 4), 16u);
    EXPECT_EQ(ReadLe(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(ReadLe(bytes, 22, 2), 1u);  // mono
    EXPECT_EQ(ReadLe(bytes, 24, 4), 44100u);
    EXPECT_EQ(ReadLe(bytes, 28, 4), 88200u);
    EXPECT_EQ(ReadLe(bytes, 32, 2), 2u);
    EXPECT_EQ(ReadLe(bytes, 34, 2), 16u);
    EXPECT_EQ(ReadTag(bytes, 36), "data");
    EXPECT_EQ(ReadLe(bytes, 40, 4), 2 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(ReadLe(bytes, 44 + 2 * i, 2)), samples[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, WavHeader,
                         ::testing::Values(std::vector<std::int16_t>{},
                                           std::vector<std::int16_t>{1},
                                           std::vector<std::int16_t>{-32767, 0, 32767, -2, 258},
                                           RenderSound("keybd1.wav")));

struct Expected {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.name; }

constexpr Expected kSounds[] = {
    {"keybd1.wav", 0.06, 0.12}, {"crystal.wav", 0.6, 1.0}, {"floop_be.wav", 0.12, 0.25},
    {"space152.wav", 1.2, 2.0}, {"boingg.wav", 0.6, 1.0},  {"Chime_2.wav", 1.0, 1.5},
};

class Sound : public ::testing::TestWithParam<Expected> {
protected:
    std::vector<std::int16_t> samples_ = RenderSound(GetParam().name);
};

TEST_P(Sound, HasItsRoughDuration) {
    const double seconds = static_cast<double>(samples_.size()) / kSampleRate;
    EXPECT_GE(seconds, GetParam().minSeconds);
    EXPECT_LE(seconds, GetParam().maxSeconds);
}

TEST_P(Sound, IsAudible) { EXPECT_GT(Rms(samples_), 0.03); }

TEST_P(Sound, PeaksNearMinusThreeDbWithoutClipping) {
    int peak = 0;
    for (std::int16_t s : samples_) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32767);
    EXPECT_NEAR(20.0 * std::log10(peak / 32767.0), -3.0, 0.5);
}

TEST_P(Sound, StartsAndEndsSilentWithoutDc) {
    EXPECT_EQ(samples_.front(), 0);
    EXPECT_EQ(samples_.back(), 0);
    double sum = 0.0;
    for (std::int16_t s : samples_) sum += s;
    EXPECT_LT(std::abs(sum / static_cast<double>(samples_.size())), 0.002 * 32768.0);
}

TEST_P(Sound, RendersTheSameEveryTime) { EXPECT_EQ(RenderSound(GetParam().name), samples_); }

// Test names may only hold letters, digits and underscores.
std::string TestName(const ::testing::TestParamInfo<Expected>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, Sound, ::testing::ValuesIn(kSounds), TestName);

TEST(SoundNames, AreTheSixTheGamePlays) {
    EXPECT_EQ(SoundFileNames(),
              (std::vector<std::string>{"keybd1.wav", "crystal.wav", "floop_be.wav", "space152.wav",
                                        "boingg.wav", "Chime_2.wav"}));
}

TEST(SoundNames, UnknownNameIsRejected) {
    EXPECT_THROW(RenderSound("missing.wav"), std::invalid_argument);
}

}  // namespace
}  // namespace zarvelo::waves

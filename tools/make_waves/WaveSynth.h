// A small deterministic synthesis kit and the recipes for the game's six wave files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvelo::waves {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

// Working signal in full-scale units (1.0 = 0 dBFS) before it is turned into 16-bit samples.
using Signal = std::vector<double>;

std::size_t SamplesFor(double seconds);
double TimeAt(std::size_t index);

// Uniform white noise in [-1, 1); a fixed seed makes every build produce the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed = 0x5EED1234u) : state_(seed) {}
    double Next();

private:
    std::uint32_t state_;
};

// Accumulates phase so the pitch can glide or wobble without discontinuities.
class Oscillator {
public:
    // Advances one sample at the given frequency and returns the phase in cycles [0, 1).
    double Step(double frequencyHz);
    double Sine(double frequencyHz);

private:
    double phase_ = 0.0;
};

// Zero-delay state-variable filter; stays stable while the cutoff is swept every sample.
class Filter {
public:
    struct Outputs {
        double low;
        double band;
        double high;
    };
    Outputs Process(double input, double cutoffHz, double q);

private:
    double s1_ = 0.0;
    double s2_ = 0.0;
};

// Linear rise over `attack`, then exponential decay with time constant `tau`; zero before t = 0.
double Strike(double t, double attack, double tau);
// Smooth rise over `attack`, holds until `length`, then a raised-cosine release to silence.
double Note(double t, double attack, double length, double release);
// Exponential glide from `from` to `to` with time constant `tau`.
double Glide(double t, double from, double to, double tau);

// One sine component of a struck tone, relative to its base frequency.
struct Partial {
    double ratio;
    double gain;
    double tau;
};
Signal StruckTone(double baseHz, std::span<const Partial> partials, double seconds, double attack);

// Adds `source` into `target` starting at `startSeconds`, growing `target` when needed.
void MixAt(Signal& target, const Signal& source, double startSeconds, double gain = 1.0);

// Removes DC, fades both ends to silence and scales the peak to `peakDb` before quantising.
std::vector<std::int16_t> Master(Signal signal, double peakDb, double fadeIn, double fadeOut);

// RIFF/WAVE container, PCM 16-bit little-endian, mono, kSampleRate.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);

// The file names the game plays, in a fixed order.
const std::vector<std::string>& SoundFileNames();
// Renders one of SoundFileNames(); throws std::invalid_argument for any other name.
std::vector<std::int16_t> RenderSound(std::string_view fileName);

}  // namespace zarvelo::waves

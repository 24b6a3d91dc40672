// Synthesis building blocks and the six sound recipes; standard library only, same bytes every run.
#include "WaveSynth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "platform/Sounds.h"

namespace zarvelo::waves {

namespace {
constexpr double kTwoPi = 2.0 * kPi;
}  // namespace

std::size_t SamplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

double TimeAt(std::size_t index) { return static_cast<double>(index) / kSampleRate; }

double Noise::Next() {
    // xorshift32: tiny, and unlike library distributions its sequence is fixed everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
}

double Oscillator::Step(double frequencyHz) {
    const double current = phase_;
    phase_ += frequencyHz / kSampleRate;
    phase_ -= std::floor(phase_);
    return current;
}

double Oscillator::Sine(double frequencyHz) { return std::sin(kTwoPi * Step(frequencyHz)); }

Filter::Outputs Filter::Process(double input, double cutoffHz, double q) {
    const double g = std::tan(kPi * std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate) / kSampleRate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - s2_;
    const double v1 = a1 * s1_ + a2 * v3;
    const double v2 = s2_ + a2 * s1_ + a3 * v3;
    s1_ = 2.0 * v1 - s1_;
    s2_ = 2.0 * v2 - s2_;
    return {v2, v1, input - k * v1 - v2};
}

double Strike(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

double Note(double t, double attack, double length, double release) {
    if (t < 0.0) return 0.0;
    double level = 1.0;
    if (t < attack) level = std::pow(std::sin(0.5 * kPi * t / attack), 2.0);
    if (t > length) {
        const double r = (t - length) / release;
        if (r >= 1.0) return 0.0;
        level *= 0.5 * (1.0 + std::cos(kPi * r));
    }
    return level;
}

double Glide(double t, double from, double to, double tau) {
    return to + (from - to) * std::exp(-std::max(0.0, t) / tau);
}

Signal StruckTone(double baseHz, std::span<const Partial> partials, double seconds, double attack) {
    Signal out(SamplesFor(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeAt(i);
        double sum = 0.0;
        for (const Partial& p : partials) {
            const double hz = baseHz * p.ratio;
            if (hz >= 0.45 * kSampleRate) continue;  // would only alias
            sum += p.gain * std::exp(-t / p.tau) * std::sin(kTwoPi * hz * t);
        }
        out[i] = sum * std::min(1.0, t / attack);
    }
    return out;
}

void MixAt(Signal& target, const Signal& source, double startSeconds, double gain) {
    const std::size_t start = SamplesFor(startSeconds);
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += gain * source[i];
}

std::vector<std::int16_t> Master(Signal signal, double peakDb, double fadeIn, double fadeOut) {
    // One-pole DC blocker (~35 Hz): keeps the speaker cone centred, leaves the thumps intact.
    double lastIn = 0.0;
    double lastOut = 0.0;
    for (double& x : signal) {
        lastOut = x - lastIn + 0.995 * lastOut;
        lastIn = x;
        x = lastOut;
    }
    const std::size_t n = signal.size();
    const std::size_t in = std::min(n, SamplesFor(fadeIn));
    const std::size_t out = std::min(n, SamplesFor(fadeOut));
    for (std::size_t i = 0; i < in; ++i)
        signal[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out; ++i) {
        signal[n - 1 - i] *=
            0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(out));
    }
    double peak = 0.0;
    for (double x : signal) peak = std::max(peak, std::abs(x));
    const double scale = peak > 0.0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;
    std::vector<std::int16_t> pcm(n);
    for (std::size_t i = 0; i < n; ++i) {
        const long v = std::lround(signal[i] * scale * 32767.0);
        pcm[i] = static_cast<std::int16_t>(std::clamp(v, -32767L, 32767L));
    }
    return pcm;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + 2 * samples.size());
    const auto tag = [&](const char* text) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(text[i]));
    };
    const auto le = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto dataSize = static_cast<std::uint32_t>(2 * samples.size());
    tag("RIFF");
    le(36 + dataSize, 4);
    tag("WAVE");
    tag("fmt ");
    le(16, 4);  // chunk size
    le(1, 2);   // PCM
    le(1, 2);   // mono
    le(kSampleRate, 4);
    le(kSampleRate * 2, 4);  // byte rate
    le(2, 2);                // block align
    le(16, 2);               // bits per sample
    tag("data");
    le(dataSize, 4);
    for (std::int16_t s : samples) le(static_cast<std::uint16_t>(s), 2);
    return bytes;
}

namespace {

// A crisp key: bright snap and cap ring on the press, then a softer tick as it bottoms out.
Signal KeyClick() {
    Signal out(SamplesFor(0.09));
    Noise noise(0x0C11C4u);
    Filter snap, tick;
    Oscillator cap, tock, bottom;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeAt(i);
        const double tb = t - 0.034;
        const double n = noise.Next();
        const double press =
            snap.Process(n, 4800.0, 1.3).band * Strike(t, 0.0004, 0.0025) +
            0.45 * cap.Sine(2400.0) * Strike(t, 0.0003, 0.005) +
            0.40 * tock.Sine(Glide(t, 1000.0, 650.0, 0.01)) * Strike(t, 0.0008, 0.011);
        const double second = tick.Process(n, 3200.0, 1.5).band * Strike(tb, 0.0004, 0.002) +
                              0.30 * bottom.Sine(1700.0) * Strike(tb, 0.0003, 0.006);
        out[i] = press + 0.45 * second;
    }
    return out;
}

// A rising run of glassy pings with stray glints, landing on a beating pair that shimmers.
Signal Crystal() {
    constexpr std::array<Partial, 3> kGlass{
        {{1.0, 1.0, 0.30}, {2.76, 0.30, 0.10}, {5.40, 0.10, 0.04}}};
    constexpr std::array<double, 6> kRun{1318.51, 1479.98, 1760.00, 2217.46, 2637.02, 2959.96};
    Signal out(SamplesFor(0.9));
    for (std::size_t k = 0; k < kRun.size(); ++k) {
        const double step = static_cast<double>(k);
        MixAt(out, StruckTone(kRun[k], kGlass, 0.9, 0.002), 0.05 * step, 0.7 - 0.06 * step);
    }
    constexpr std::array<Partial, 3> kRing{
        {{1.0, 1.0, 0.35}, {2.76, 0.25, 0.12}, {5.40, 0.08, 0.06}}};
    MixAt(out, StruckTone(1760.0, kRing, 0.6, 0.004), 0.30, 0.55);
    MixAt(out, StruckTone(1767.0, kRing, 0.6, 0.004), 0.30, 0.45);
    Noise jitter(0x61177u);
    for (int k = 0; k < 14; ++k) {
        const double hz = 5200.0 + 3000.0 * (0.5 + 0.5 * jitter.Next());
        const double at = 0.02 + 0.045 * k + 0.015 * jitter.Next();
        const Partial glint{1.0, 1.0, 0.012};
        MixAt(out, StruckTone(hz, std::span(&glint, 1), 0.08, 0.001), at, 0.18 - 0.01 * k);
    }
    out.resize(SamplesFor(0.9));
    return out;
}

// Air swept down through a band-pass as the card turns, then the flop of it landing.
Signal CardFlip() {
    Signal out(SamplesFor(0.2));
    Noise noise(0xF1009u);
    Filter swish, soften, slap;
    Oscillator thump;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeAt(i);
        const double tl = t - 0.085;
        const double n = noise.Next();
        const double sweep = Glide(t, 4000.0, 600.0, 0.045);
        const double air = soften.Process(swish.Process(n, sweep, 0.8).band, sweep, 0.8).band *
                           Note(t, 0.02, 0.06, 0.07);
        const double flop = thump.Sine(Glide(tl, 160.0, 85.0, 0.03)) * Strike(tl, 0.003, 0.03);
        const double pat = slap.Process(n, 1200.0, 0.7).low * Strike(tl, 0.001, 0.008);
        out[i] = 0.9 * air + 0.55 * flop + 0.45 * pat;
    }
    return out;
}

// Band-limited horn note whose brightness follows its loudness, with a lip scoop and late vibrato.
Signal Horn(double hz, double length, double seconds) {
    Signal out(SamplesFor(seconds));
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeAt(i);
        const double env = Note(t, 0.03, length, 0.09);
        const double vibrato =
            0.004 * std::sin(kTwoPi * 5.5 * t) * std::clamp((t - 0.2) / 0.2, 0.0, 1.0);
        const double f = hz * (1.0 - 0.03 * std::exp(-t / 0.025)) * (1.0 + vibrato);
        const double phase = osc.Step(f);
        const double bright = 0.25 + 0.4 * env;
        double sum = 0.0;
        double weight = 1.0;
        for (int h = 1; h * f < 9000.0; ++h, weight *= bright) {
            sum += weight * std::sin(kTwoPi * h * phase);
        }
        out[i] = env * sum;
    }
    return out;
}

// Three quick rising notes, then the octave held over a full chord.
Signal Fanfare() {
    Signal out;
    MixAt(out, Horn(523.25, 0.09, 0.22), 0.00);
    MixAt(out, Horn(659.26, 0.09, 0.22), 0.13);
    MixAt(out, Horn(783.99, 0.09, 0.22), 0.26);
    const double hold = 0.39;
    MixAt(out, Horn(1046.50, 0.95, 1.05), hold);
    MixAt(out, Horn(783.99, 0.95, 1.05), hold, 0.45);
    MixAt(out, Horn(659.26, 0.95, 1.05), hold, 0.35);
    MixAt(out, Horn(523.25, 0.95, 1.05), hold, 0.35);
    return out;
}

// A twang that snaps up to pitch and wobbles like a released spring, slowly settling.
Signal Boing() {
    Signal out(SamplesFor(0.85));
    Oscillator carrier, wobble;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeAt(i);
        const double depth = 0.16 * std::exp(-t / 0.3) + 0.02;
        const double swing = std::sin(kTwoPi * wobble.Step(Glide(t, 14.0, 9.0, 0.4)));
        const double base = Glide(t, 130.0, 250.0, 0.02) - 60.0 * t;
        const double phase = carrier.Step(base * (1.0 + depth * swing));
        const double index = 1.3 + 2.0 * std::exp(-t / 0.15);
        out[i] =
            std::sin(kTwoPi * phase + index * std::sin(kTwoPi * phase)) * Strike(t, 0.004, 0.32);
    }
    return out;
}

// Three soft bells of a major chord, each with a slightly detuned twin for warmth.
Signal Chime() {
    constexpr std::array<Partial, 5> kBell{{{0.5, 0.12, 0.70},
                                            {1.0, 1.00, 0.50},
                                            {2.0, 0.22, 0.32},
                                            {3.01, 0.07, 0.18},
                                            {4.2, 0.04, 0.07}}};
    constexpr std::array<double, 3> kNotes{392.00, 493.88, 587.33};
    Signal out(SamplesFor(1.35));
    for (std::size_t k = 0; k < kNotes.size(); ++k) {
        const double at = 0.16 * static_cast<double>(k);
        const double gain = 1.0 - 0.1 * static_cast<double>(k);
        MixAt(out, StruckTone(kNotes[k], kBell, 1.35 - at, 0.008), at, 0.6 * gain);
        MixAt(out, StruckTone(kNotes[k] * 1.0012, kBell, 1.35 - at, 0.008), at, 0.4 * gain);
    }
    return out;
}

struct Recipe {
    std::string_view name;
    Signal (*make)();
    double fadeIn;
    double fadeOut;
};

constexpr double kPeakDb = -3.0;
constexpr std::array<Recipe, 6> kRecipes{{{"keybd1.wav", KeyClick, 0.0005, 0.01},
                                          {"crystal.wav", Crystal, 0.002, 0.08},
                                          {"floop_be.wav", CardFlip, 0.003, 0.02},
                                          {"space152.wav", Fanfare, 0.003, 0.1},
                                          {"boingg.wav", Boing, 0.002, 0.1},
                                          {"Chime_2.wav", Chime, 0.003, 0.15}}};

// One recipe for every sound the game plays, in the game's order.
constexpr bool RecipesMatchTheGame() {
    for (std::size_t i = 0; i < kRecipes.size(); ++i)
        if (kRecipes[i].name != platform::kSoundFiles[i]) return false;
    return kRecipes.size() == platform::kSoundFiles.size();
}
static_assert(RecipesMatchTheGame());

}  // namespace

const std::vector<std::string>& SoundFileNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const Recipe& r : kRecipes) all.emplace_back(r.name);
        return all;
    }();
    return names;
}

std::vector<std::int16_t> RenderSound(std::string_view fileName) {
    for (const Recipe& r : kRecipes) {
        if (r.name == fileName) return Master(r.make(), kPeakDb, r.fadeIn, r.fadeOut);
    }
    throw std::invalid_argument("no sound named " + std::string(fileName));
}

}  // namespace zarvelo::waves

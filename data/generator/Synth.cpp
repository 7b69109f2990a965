#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace datagen {

namespace {

const double TWO_PI = 6.283185307179586;

// One-pole low-pass coefficient for a cut-off at `hz`.
double onePole(double hz, int rate)
{
    if (hz <= 0.0) {
        return 0.0;
    }
    return 1.0 - std::exp(-TWO_PI * hz / rate);
}

void putLittle(std::FILE* file, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        std::fputc(static_cast<int>((value >> (8 * i)) & 0xFFu), file);
    }
}

void grow(Samples& out, size_t size)
{
    if (out.size() < size) {
        out.resize(size, 0.0f);
    }
}

} // namespace

uint32_t Noise::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float Noise::uniform()
{
    return static_cast<float>(next() >> 8) / 8388608.0f - 1.0f;
}

float Noise::unit()
{
    return static_cast<float>(next() >> 8) / 16777216.0f;
}

uint32_t hashName(const std::string& name)
{
    uint32_t hash = 2166136261u;
    for (unsigned char c : name) {
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

namespace {

// The naive wave's error against a band-limited step (polyBLEP): nonzero
// within one sample either side of a wrap of the phase `p` (0..1), for a
// phase that moves `dt` cycles per sample.
double stepResidual(double p, double dt)
{
    if (p < dt) {
        const double x = p / dt;
        return x + x - x * x - 1.0;
    }
    if (p > 1.0 - dt) {
        const double x = (p - 1.0) / dt;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

} // namespace

float bandLimitedWaveAt(Wave wave, double phase, double step)
{
    // A phase running backwards (deep FM) meets the same jumps; past half a
    // cycle per sample no correction can help.
    const double dt = std::min(std::fabs(step), 0.5);
    if (dt <= 0.0 || (wave != Wave::Saw && wave != Wave::Square)) {
        return waveAt(wave, phase);
    }
    const double p = phase - std::floor(phase);
    if (wave == Wave::Saw) {
        return static_cast<float>(2.0 * p - 1.0 - stepResidual(p, dt));
    }
    const double half = p + 0.5 - (p >= 0.5 ? 1.0 : 0.0);
    return static_cast<float>((p < 0.5 ? 1.0 : -1.0) + stepResidual(p, dt) - stepResidual(half, dt));
}

float waveAt(Wave wave, double phase)
{
    const double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return static_cast<float>(std::sin(TWO_PI * p));
    case Wave::Square:
        return p < 0.5 ? 1.0f : -1.0f;
    case Wave::Saw:
        return static_cast<float>(2.0 * p - 1.0);
    case Wave::Triangle:
        return static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
    }
    return 0.0f;
}

double Envelope::level(double t, double length) const
{
    if (t < 0.0 || t >= length) {
        return 0.0;
    }
    double value = 1.0;
    if (attack > 0.0 && t < attack) {
        value = t / attack;
    }
    if (decay > 0.0) {
        value *= std::exp(-decay * t);
    }
    const double untilEnd = length - t;
    if (release > 0.0 && untilEnd < release) {
        value *= untilEnd / release;
    }
    return value;
}

int sampleCount(double seconds, int rate)
{
    return std::max(0, static_cast<int>(std::lround(seconds * rate)));
}

namespace {

// The tone alone, `count` samples at `rate`.
Samples renderTone(int rate, int count, double seconds, const Tone& tone)
{
    Samples out(static_cast<size_t>(count), 0.0f);
    const double ratio = tone.endHz / tone.startHz;
    double phase = 0.0;
    double modPhase = 0.0;
    double previous = -tone.startHz / rate;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double along = seconds > 0.0 ? t / seconds : 0.0;
        double hz = tone.startHz * std::pow(ratio, along);
        if (tone.vibratoDepth > 0.0) {
            hz *= 1.0 + tone.vibratoDepth * std::sin(TWO_PI * tone.vibratoHz * t);
        }
        double offset = 0.0;
        if (tone.fmRatio > 0.0) {
            const double index = tone.fmIndex + (tone.fmIndexEnd - tone.fmIndex) * along;
            offset = index * std::sin(TWO_PI * modPhase) / TWO_PI;
            modPhase += hz * tone.fmRatio / rate;
        }
        const double at = phase + offset;
        out[static_cast<size_t>(i)] = static_cast<float>(bandLimitedWaveAt(tone.wave, at, at - previous) *
                                                         tone.amplitude * tone.envelope.level(t, seconds));
        previous = at;
        phase += hz / rate;
    }
    return out;
}

// The low-pass that halving the rate needs: a Blackman-windowed sinc cut at
// the lower rate's Nyquist frequency, as (offset from the centre, weight).
// Every other tap of such a half-band filter is zero and left out.
struct Tap {
    int offset;
    double weight;
};

const std::vector<Tap>& halvingTaps()
{
    static const std::vector<Tap> taps = [] {
        const int reach = 23;
        std::vector<Tap> t;
        double sum = 0.0;
        for (int x = -reach; x <= reach; ++x) {
            if (x != 0 && x % 2 == 0) {
                continue;
            }
            const double sinc = x == 0 ? 1.0 : std::sin(TWO_PI * 0.25 * x) / (TWO_PI * 0.25 * x);
            const double w = TWO_PI * (x + reach) / (2 * reach);
            const double window = 0.42 - 0.5 * std::cos(w) + 0.08 * std::cos(2.0 * w);
            t.push_back(Tap{x, sinc * window});
            sum += sinc * window;
        }
        for (Tap& tap : t) {
            tap.weight /= sum;
        }
        return t;
    }();
    return taps;
}

} // namespace

void addTone(Samples& out, int rate, double start, double seconds, const Tone& tone)
{
    const int first = sampleCount(start, rate);
    const int count = sampleCount(seconds, rate);
    grow(out, static_cast<size_t>(first + count));
    if (tone.wave != Wave::Saw && tone.wave != Wave::Square) {
        const Samples alone = renderTone(rate, count, seconds, tone);
        for (int i = 0; i < count; ++i) {
            out[static_cast<size_t>(first + i)] += alone[static_cast<size_t>(i)];
        }
        return;
    }
    // Saw and square are drawn at twice the rate and filtered down: what
    // their smoothed steps still fold back then mostly lies above this
    // rate's Nyquist frequency, where the filter takes it out.
    const Samples fine = renderTone(rate * 2, count * 2, seconds, tone);
    for (int i = 0; i < count; ++i) {
        double sum = 0.0;
        for (const Tap& tap : halvingTaps()) {
            const int at = 2 * i + tap.offset;
            if (at >= 0 && at < 2 * count) {
                sum += tap.weight * fine[static_cast<size_t>(at)];
            }
        }
        out[static_cast<size_t>(first + i)] += static_cast<float>(sum);
    }
}

void addNoise(Samples& out, int rate, double start, double seconds, const NoiseBurst& burst, Noise& noise)
{
    const int first = sampleCount(start, rate);
    const int count = sampleCount(seconds, rate);
    grow(out, static_cast<size_t>(first + count));
    const double highCoefficient = onePole(burst.highpass, rate);
    double low = 0.0;
    double highState = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double along = seconds > 0.0 ? t / seconds : 0.0;
        const double cutoff = burst.lowpassStart * std::pow(burst.lowpassEnd / burst.lowpassStart, along);
        low += onePole(std::min(cutoff, rate * 0.45), rate) * (noise.uniform() - low);
        double value = low;
        if (highCoefficient > 0.0) {
            highState += highCoefficient * (value - highState);
            value -= highState;
        }
        out[static_cast<size_t>(first + i)] +=
            static_cast<float>(value * burst.amplitude * burst.envelope.level(t, seconds));
    }
}

void addPluck(Samples& out, int rate, double start, double seconds, double hz, double amplitude,
              double brightness, Noise& noise)
{
    const int first = sampleCount(start, rate);
    const int count = sampleCount(seconds, rate);
    grow(out, static_cast<size_t>(first + count));
    const int period = std::max(2, static_cast<int>(std::lround(rate / hz)));
    std::vector<float> line(static_cast<size_t>(period));
    for (float& value : line) {
        value = noise.uniform();
    }
    // A softer excitation for darker strings.
    for (int pass = 0; pass < static_cast<int>((1.0 - brightness) * 4.0); ++pass) {
        for (int i = 1; i < period; ++i) {
            line[static_cast<size_t>(i)] = 0.5f * (line[static_cast<size_t>(i)] + line[static_cast<size_t>(i - 1)]);
        }
    }
    const float damping = static_cast<float>(0.4985 + 0.0013 * brightness);
    const double release = std::min(0.03, seconds * 0.5);
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const size_t nextAt = (at + 1) % line.size();
        const float value = line[at];
        line[at] = damping * (value + line[nextAt]);
        at = nextAt;
        const double untilEnd = static_cast<double>(count - i) / rate;
        const double fade = untilEnd < release ? untilEnd / release : 1.0;
        out[static_cast<size_t>(first + i)] += static_cast<float>(value * amplitude * fade);
    }
}

double loudestWindowRms(const Samples& samples, int rate, double window)
{
    const size_t width = static_cast<size_t>(std::max(1, sampleCount(window, rate)));
    double sum = 0.0;
    double loudest = 0.0;
    for (size_t i = 0; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
        if (i >= width) {
            sum -= static_cast<double>(samples[i - width]) * samples[i - width];
        }
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(loudest / static_cast<double>(width));
}

void normalise(Samples& samples, float peak)
{
    float highest = 0.0f;
    for (float value : samples) {
        highest = std::max(highest, std::fabs(value));
    }
    if (highest <= 0.0f) {
        return;
    }
    const float scale = peak / highest;
    for (float& value : samples) {
        value *= scale;
    }
}

void fadeEnds(Samples& samples, int rate, double fadeSeconds)
{
    const size_t length = std::min(samples.size() / 2, static_cast<size_t>(sampleCount(fadeSeconds, rate)));
    for (size_t i = 0; i < length; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(length);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

bool makeParentFolders(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return !error;
}

bool writeWav(const std::string& path, const Samples& samples, int rate)
{
    if (!makeParentFolders(path)) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fputs("RIFF", file);
    putLittle(file, 36 + dataBytes, 4);
    std::fputs("WAVEfmt ", file);
    putLittle(file, 16, 4);
    putLittle(file, 1, 2);                             // PCM
    putLittle(file, 1, 2);                             // mono
    putLittle(file, static_cast<uint32_t>(rate), 4);
    putLittle(file, static_cast<uint32_t>(rate) * 2, 4);
    putLittle(file, 2, 2);                             // bytes per frame
    putLittle(file, 16, 2);
    std::fputs("data", file);
    putLittle(file, dataBytes, 4);
    std::vector<unsigned char> bytes(samples.size() * 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        const float clamped = std::max(-1.0f, std::min(1.0f, samples[i]));
        const int16_t value = static_cast<int16_t>(std::lround(clamped * 32767.0f));
        const uint16_t bits = static_cast<uint16_t>(value);
        bytes[2 * i] = static_cast<unsigned char>(bits & 0xFFu);
        bytes[2 * i + 1] = static_cast<unsigned char>(bits >> 8);
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace datagen

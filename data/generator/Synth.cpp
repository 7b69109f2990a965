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

void addTone(Samples& out, int rate, double start, double seconds, const Tone& tone)
{
    const int first = sampleCount(start, rate);
    const int count = sampleCount(seconds, rate);
    grow(out, static_cast<size_t>(first + count));
    const double ratio = tone.endHz / tone.startHz;
    double phase = 0.0;
    double modPhase = 0.0;
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
        const double value = waveAt(tone.wave, phase + offset) * tone.amplitude * tone.envelope.level(t, seconds);
        out[static_cast<size_t>(first + i)] += static_cast<float>(value);
        phase += hz / rate;
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

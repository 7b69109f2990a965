#include "Music.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace datagen {

namespace {

const int RATE = SAMPLE_RATE;
const int STEPS_PER_BAR = 16;   // sixteenth notes
const int INTRO_BARS = 4;
const int OUTRO_BARS = 4;
const int SECTION_BARS = 8;
const double FADE_SECONDS = 3.0;

const int MAJOR[7] = {0, 2, 4, 5, 7, 9, 11};
const int MINOR[7] = {0, 2, 3, 5, 7, 8, 10};

const int MAJOR_PROGRESSIONS[4][4] = {{0, 4, 5, 3}, {0, 5, 3, 4}, {0, 3, 4, 4}, {0, 2, 3, 4}};
const int MINOR_PROGRESSIONS[4][4] = {{0, 5, 2, 6}, {0, 3, 4, 0}, {0, 6, 5, 4}, {0, 3, 6, 2}};

enum class Section { Intro, A, B, Outro };

double hzOf(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The bass's colour goes with the lead's, so tracks sharing a lead still differ.
Wave bassFor(LeadVoice lead)
{
    switch (lead) {
    case LeadVoice::Square:
    case LeadVoice::Brass:
        return Wave::Saw;
    case LeadVoice::Pluck:
    case LeadVoice::Flute:
        return Wave::Triangle;
    default:
        return Wave::Sine;
    }
}

class Composer {
public:
    explicit Composer(const MusicTrack& track)
        : track(track), beat(60.0 / track.tempo), step(beat / 4.0), noise(track.seed)
    {
        const double bar = beat * 4.0;
        bars = static_cast<int>(std::ceil(MUSIC_SECONDS / bar));
        const int middle = std::max(SECTION_BARS, bars - INTRO_BARS - OUTRO_BARS);
        bars = INTRO_BARS + OUTRO_BARS + (middle + 3) / 4 * 4;
        progressionA = static_cast<int>(track.seed % 4);
        progressionB = (progressionA + 1 + static_cast<int>((track.seed >> 4) % 3)) % 4;
        bassWave = bassFor(track.lead);
        padWave = track.minor ? Wave::Triangle : Wave::Sine;
    }

    Samples compose()
    {
        Samples lead;
        Samples rest;
        makeDrumKit();
        for (int bar = 0; bar < bars; ++bar) {
            const Section section = sectionOf(bar);
            const int degree = chordDegree(bar, section);
            pad(rest, bar, degree, section);
            bass(rest, bar, degree, section);
            drums(rest, bar, section);
            if (section == Section::A || section == Section::B) {
                melody(lead, bar, degree, section);
            } else if (section == Section::Outro && bar == bars - OUTRO_BARS) {
                tonicNote(lead, bar);
            }
        }
        echo(lead);
        Samples mix(std::max(lead.size(), rest.size()), 0.0f);
        for (size_t i = 0; i < mix.size(); ++i) {
            const float value = (i < lead.size() ? lead[i] : 0.0f) + (i < rest.size() ? rest[i] : 0.0f);
            mix[i] = std::tanh(value);
        }
        normalise(mix, 0.85f);
        fadeOut(mix);
        fadeEnds(mix, RATE, 0.01);
        return mix;
    }

private:
    const MusicTrack& track;
    double beat;
    double step;
    Noise noise;
    int bars = 0;
    int progressionA = 0;
    int progressionB = 1;
    Wave bassWave = Wave::Sine;
    Wave padWave = Wave::Sine;
    Samples kick;
    Samples snare;
    Samples hat;

    double barStart(int bar) const { return bar * beat * 4.0; }

    Section sectionOf(int bar) const
    {
        if (bar < INTRO_BARS) {
            return Section::Intro;
        }
        if (bar >= bars - OUTRO_BARS) {
            return Section::Outro;
        }
        return ((bar - INTRO_BARS) / SECTION_BARS) % 2 == 0 ? Section::A : Section::B;
    }

    int chordDegree(int bar, Section section) const
    {
        const int progression = section == Section::B ? progressionB : progressionA;
        const int (*table)[4] = track.minor ? MINOR_PROGRESSIONS : MAJOR_PROGRESSIONS;
        return table[progression][bar % 4];
    }

    int pitch(int degree, int octaveShift) const
    {
        const int* scale = track.minor ? MINOR : MAJOR;
        const int octave = floorDiv(degree, 7);
        const int within = degree - octave * 7;
        return track.root + scale[within] + 12 * (octave + octaveShift);
    }

    void pad(Samples& out, int bar, int degree, Section section)
    {
        const double amplitude = section == Section::B ? 0.07 : 0.055;
        for (int k = 0; k < 3; ++k) {
            const double hz = hzOf(pitch(degree + 2 * k, -1));
            for (int detune = -1; detune <= 1; detune += 2) {
                Tone tone;
                tone.wave = padWave;
                tone.startHz = hz * (1.0 + 0.003 * detune);
                tone.endHz = tone.startHz;
                tone.amplitude = amplitude;
                tone.envelope.attack = beat * 0.8;
                tone.envelope.release = beat * 0.8;
                addTone(out, RATE, barStart(bar), beat * 4.0 + beat * 0.4, tone);
            }
        }
    }

    void bassNote(Samples& out, double start, double length, int midi)
    {
        Tone tone;
        tone.wave = bassWave;
        tone.startHz = hzOf(midi);
        tone.endHz = tone.startHz;
        tone.amplitude = 0.3;
        tone.fmRatio = 1.0;
        tone.fmIndex = 1.5;
        tone.fmIndexEnd = 0.2;
        tone.envelope.attack = 0.006;
        tone.envelope.release = 0.04;
        tone.envelope.decay = 1.5;
        addTone(out, RATE, start, length, tone);
    }

    void bass(Samples& out, int bar, int degree, Section section)
    {
        const int low = pitch(degree, track.root >= 64 ? -3 : -2);
        const double start = barStart(bar);
        if (section == Section::Intro && bar < INTRO_BARS / 2) {
            bassNote(out, start, beat * 4.0, low);
            return;
        }
        switch (track.drums) {
        case DrumStyle::Rock:
            for (int i = 0; i < 8; ++i) {
                bassNote(out, start + i * beat / 2.0, beat / 2.0 * 0.9, low);
            }
            break;
        case DrumStyle::March:
            for (int i = 0; i < 4; ++i) {
                bassNote(out, start + i * beat, beat * 0.8, i % 2 == 0 ? low : low + 7);
            }
            break;
        case DrumStyle::Shuffle:
            for (int i = 0; i < 4; ++i) {
                bassNote(out, start + i * beat, beat * 0.6, low);
                bassNote(out, start + i * beat + beat * 2.0 / 3.0, beat / 3.0, i % 2 == 0 ? low + 12 : low + 7);
            }
            break;
        case DrumStyle::Fast:
            for (int i = 0; i < 8; ++i) {
                bassNote(out, start + i * beat / 2.0, beat / 2.0 * 0.8, i % 2 == 0 ? low : low + 12);
            }
            break;
        case DrumStyle::Sparse:
            bassNote(out, start, beat * 2.0, low);
            bassNote(out, start + beat * 2.0, beat * 2.0, low + 7);
            break;
        case DrumStyle::None:
            bassNote(out, start, beat * 4.0, low);
            break;
        }
    }

    void makeDrumKit()
    {
        Noise kit(track.seed * 2654435761u);
        Tone body;
        body.startHz = 110.0;
        body.endHz = 42.0;
        body.amplitude = 0.9;
        body.envelope.attack = 0.001;
        body.envelope.decay = 12.0;
        addTone(kick, RATE, 0.0, 0.3, body);
        NoiseBurst click;
        click.amplitude = 0.3;
        click.lowpassStart = click.lowpassEnd = 5000.0;
        click.envelope.attack = 0.0005;
        addNoise(kick, RATE, 0.0, 0.006, click, kit);

        NoiseBurst rattle;
        rattle.amplitude = 0.7;
        rattle.lowpassStart = 7000.0;
        rattle.lowpassEnd = 3000.0;
        rattle.highpass = 700.0;
        rattle.envelope.attack = 0.001;
        rattle.envelope.decay = 18.0;
        addNoise(snare, RATE, 0.0, 0.2, rattle, kit);
        Tone skin;
        skin.startHz = 200.0;
        skin.endHz = 170.0;
        skin.amplitude = 0.4;
        skin.envelope.attack = 0.001;
        skin.envelope.decay = 25.0;
        addTone(snare, RATE, 0.0, 0.12, skin);

        NoiseBurst tick;
        tick.amplitude = 0.35;
        tick.lowpassStart = tick.lowpassEnd = 10000.0;
        tick.highpass = 6000.0;
        tick.envelope.attack = 0.0005;
        tick.envelope.decay = 60.0;
        addNoise(hat, RATE, 0.0, 0.05, tick, kit);
    }

    void hit(Samples& out, const Samples& sound, double at, float gain)
    {
        const size_t first = static_cast<size_t>(sampleCount(at, RATE));
        if (out.size() < first + sound.size()) {
            out.resize(first + sound.size(), 0.0f);
        }
        for (size_t i = 0; i < sound.size(); ++i) {
            out[first + i] += sound[i] * gain;
        }
    }

    void drums(Samples& out, int bar, Section section)
    {
        if (track.drums == DrumStyle::None || (section == Section::Intro && bar < INTRO_BARS / 2) ||
            (section == Section::Outro && bar >= bars - 2)) {
            return;
        }
        const double start = barStart(bar);
        const bool fill = (bar - INTRO_BARS) % SECTION_BARS == SECTION_BARS - 1;
        for (int s = 0; s < STEPS_PER_BAR; ++s) {
            double at = start + s * step;
            switch (track.drums) {
            case DrumStyle::Rock:
                if (s == 0 || s == 8 || (s == 10 && bar % 2 == 1)) {
                    hit(out, kick, at, 0.8f);
                }
                if (s == 4 || s == 12 || (fill && s >= 13)) {
                    hit(out, snare, at, 0.5f);
                }
                if (s % 2 == 0) {
                    hit(out, hat, at, s % 4 == 0 ? 0.35f : 0.25f);
                }
                break;
            case DrumStyle::March:
                if (s == 0 || s == 8) {
                    hit(out, kick, at, 0.7f);
                }
                if (s % 4 == 0 || s == 14 || s == 15 || (fill && s >= 8)) {
                    hit(out, snare, at, s % 4 == 0 ? 0.5f : 0.3f);
                }
                break;
            case DrumStyle::Shuffle:
                if (s % 4 == 2) {
                    at += step * 2.0 / 3.0;   // the late offbeat of a swung eighth
                }
                if (s == 0 || s == 10) {
                    hit(out, kick, at, 0.75f);
                }
                if (s == 4 || s == 12) {
                    hit(out, snare, at, 0.45f);
                }
                if (s % 2 == 0) {
                    hit(out, hat, at, 0.3f);
                }
                break;
            case DrumStyle::Fast:
                if (s % 4 == 0) {
                    hit(out, kick, at, 0.8f);
                }
                if (s == 4 || s == 12 || (fill && s % 2 == 1)) {
                    hit(out, snare, at, 0.45f);
                }
                hit(out, hat, at, s % 4 == 2 ? 0.35f : 0.15f);
                break;
            case DrumStyle::Sparse:
                if (s == 0) {
                    hit(out, kick, at, 0.6f);
                }
                if (s == 8) {
                    hit(out, hat, at, 0.3f);
                }
                if (s == 12 && bar % 2 == 1) {
                    hit(out, snare, at, 0.3f);
                }
                break;
            case DrumStyle::None:
                break;
            }
        }
    }

    void leadNote(Samples& out, double start, double length, int midi, double velocity)
    {
        const double hz = hzOf(midi);
        Tone tone;
        tone.startHz = hz;
        tone.endHz = hz;
        tone.amplitude = 0.22 * velocity;
        tone.envelope.attack = 0.008;
        tone.envelope.release = 0.05;
        switch (track.lead) {
        case LeadVoice::Bell:
            tone.fmRatio = 1.4;
            tone.fmIndex = 3.0;
            tone.fmIndexEnd = 0.2;
            tone.envelope.decay = 2.5;
            addTone(out, RATE, start, length + 0.3, tone);
            break;
        case LeadVoice::Pluck:
            addPluck(out, RATE, start, length + 0.4, hz, 0.35 * velocity, 0.6, noise);
            break;
        case LeadVoice::Square:
            tone.wave = Wave::Square;
            tone.amplitude *= 0.45;
            tone.vibratoHz = 6.0;
            tone.vibratoDepth = 0.004;
            addTone(out, RATE, start, length, tone);
            break;
        case LeadVoice::Brass:
            tone.wave = Wave::Saw;
            tone.amplitude *= 0.6;
            tone.fmRatio = 1.0;
            tone.fmIndex = 0.5;
            tone.fmIndexEnd = 2.0;
            tone.envelope.attack = 0.05;
            tone.vibratoHz = 5.0;
            tone.vibratoDepth = 0.003;
            addTone(out, RATE, start, length, tone);
            break;
        case LeadVoice::Organ:
            for (int harmonic = 1; harmonic <= 3; ++harmonic) {
                Tone partial = tone;
                partial.startHz = partial.endHz = hz * harmonic;
                partial.amplitude = tone.amplitude / harmonic;
                addTone(out, RATE, start, length, partial);
            }
            break;
        case LeadVoice::Flute: {
            tone.envelope.attack = 0.06;
            tone.vibratoHz = 5.0;
            tone.vibratoDepth = 0.006;
            addTone(out, RATE, start, length, tone);
            NoiseBurst breath;
            breath.amplitude = 0.04 * velocity;
            breath.lowpassStart = breath.lowpassEnd = hz * 3.0;
            breath.highpass = hz * 0.5;
            breath.envelope.attack = 0.03;
            breath.envelope.decay = 6.0;
            addNoise(out, RATE, start, length, breath, noise);
            break;
        }
        }
    }

    // A two-bar phrase: the rhythm belongs to the section, so a section
    // sounds like itself on every return; pitches follow the chords.
    void melody(Samples& out, int bar, int degree, Section section)
    {
        const int sectionBar = (bar - INTRO_BARS) % SECTION_BARS;
        Noise rhythm(track.seed ^ (section == Section::A ? 0xA5A5u : 0x5A5Au) ^ (static_cast<unsigned>(sectionBar % 2) << 20));
        Noise contour(track.seed ^ (section == Section::A ? 0x1234u : 0x4321u) ^
                      (static_cast<unsigned>(sectionBar) << 16));
        const bool busy = track.drums == DrumStyle::Fast || track.tempo < 90;
        int at = 0;
        int current = degree + (section == Section::B ? 4 : 2);
        while (at < STEPS_PER_BAR) {
            const uint32_t pick = rhythm.next() % 8;
            int length = pick < 2 ? 2 : (pick < 5 ? 4 : (pick < 7 ? 6 : 8));
            if (busy && pick % 3 == 0) {
                length = 2;
            }
            length = std::min(length, STEPS_PER_BAR - at);
            const bool strong = at % 8 == 0;
            if (strong) {
                // Land on a chord tone near the last note.
                const int options[3] = {degree, degree + 2, degree + 4};
                int best = options[0] + 7;
                for (int option : options) {
                    for (int octave = 0; octave <= 1; ++octave) {
                        const int candidate = option + 7 * octave;
                        if (std::abs(candidate - current) < std::abs(best - current)) {
                            best = candidate;
                        }
                    }
                }
                current = best;
            } else {
                const uint32_t move = contour.next() % 5;
                current += move == 0 ? -2 : (move == 1 ? -1 : (move == 2 ? 1 : (move == 3 ? 2 : 0)));
            }
            current = std::max(0, std::min(11, current));
            const bool rest = !strong && contour.next() % 7 == 0;
            if (!rest) {
                const double velocity = strong ? 1.0 : 0.8;
                leadNote(out, barStart(bar) + at * step, length * step * 0.95, pitch(current, 0), velocity);
            }
            at += length;
        }
    }

    void tonicNote(Samples& out, int bar)
    {
        leadNote(out, barStart(bar), beat * 4.0, pitch(7, 0), 0.9);
    }

    void echo(Samples& lead)
    {
        const size_t delay = static_cast<size_t>(sampleCount(beat * 0.75, RATE));
        const float feedback = track.drums == DrumStyle::None ? 0.45f : 0.3f;
        lead.resize(lead.size() + delay * 3, 0.0f);
        for (size_t i = delay; i < lead.size(); ++i) {
            lead[i] += lead[i - delay] * feedback;
        }
    }

    void fadeOut(Samples& mix)
    {
        const size_t length = std::min(mix.size(), static_cast<size_t>(sampleCount(FADE_SECONDS, RATE)));
        const size_t from = mix.size() - length;
        for (size_t i = 0; i < length; ++i) {
            const float gain = 1.0f - static_cast<float>(i) / static_cast<float>(length);
            mix[from + i] *= gain * gain;
        }
    }
};

} // namespace

Samples composeTrack(const MusicTrack& track)
{
    Composer composer(track);
    return composer.compose();
}

bool writeMusic(const std::string& root)
{
    for (const MusicTrack& track : musicTracks()) {
        if (!writeWav(filePath(root, track.path), composeTrack(track), RATE)) {
            std::fprintf(stderr, "cannot write %s\n", track.path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace datagen

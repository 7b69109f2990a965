#include "Effects.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

#include "DataTables.h"

namespace datagen {

namespace {

const int RATE = SAMPLE_RATE;
// Every effect is brought to one loudness, measured over its loudest tenth
// of a second, so that none stands out of the mix; its peak stays below
// -1 dBFS. Where that ceiling holds an effect back it comes out quieter.
const double LOUDNESS_DB = -11.0;
const float PEAK_CEILING = 0.891f;

struct Builder {
    Samples samples;
    Noise noise;

    explicit Builder(uint32_t seed) : noise(seed) {}

    void sweep(double start, double length, Wave wave, double fromHz, double toHz, double amplitude,
               double decay = 0.0, double attack = 0.003)
    {
        Tone tone;
        tone.wave = wave;
        tone.startHz = fromHz;
        tone.endHz = toHz;
        tone.amplitude = amplitude;
        tone.envelope.attack = attack;
        tone.envelope.decay = decay;
        addTone(samples, RATE, start, length, tone);
    }

    void fm(double start, double length, Wave wave, double fromHz, double toHz, double ratio, double indexFrom,
            double indexTo, double amplitude, double decay = 0.0, double vibratoHz = 0.0, double vibratoDepth = 0.0)
    {
        Tone tone;
        tone.wave = wave;
        tone.startHz = fromHz;
        tone.endHz = toHz;
        tone.amplitude = amplitude;
        tone.fmRatio = ratio;
        tone.fmIndex = indexFrom;
        tone.fmIndexEnd = indexTo;
        tone.vibratoHz = vibratoHz;
        tone.vibratoDepth = vibratoDepth;
        tone.envelope.decay = decay;
        addTone(samples, RATE, start, length, tone);
    }

    void hiss(double start, double length, double amplitude, double lowFrom, double lowTo, double highpass = 0.0,
              double decay = 0.0, double attack = 0.002)
    {
        NoiseBurst burst;
        burst.amplitude = amplitude;
        burst.lowpassStart = lowFrom;
        burst.lowpassEnd = lowTo;
        burst.highpass = highpass;
        burst.envelope.attack = attack;
        burst.envelope.decay = decay;
        addNoise(samples, RATE, start, length, burst, noise);
    }

    // A metallic ping: FM with an inharmonic ratio, fast decay.
    void ping(double start, double hz, double length = 0.25, double amplitude = 0.6)
    {
        fm(start, length, Wave::Sine, hz, hz * 0.98, 3.5, 4.0, 0.5, amplitude, 12.0);
    }

    void thud(double start, double hz, double length, double amplitude = 0.8)
    {
        sweep(start, length, Wave::Sine, hz, hz * 0.5, amplitude, 10.0, 0.001);
    }
};

// The voice every effect of one enemy family shares.
struct Family {
    Wave wave;
    double hz;
    double ratio;
    double vibratoHz;
    double vibratoDepth;
};

const Family ZEALOT{Wave::Triangle, 420.0, 3.5, 7.0, 0.03};
const Family ANUBIS{Wave::Saw, 150.0, 1.0, 5.0, 0.02};
const Family CREEPER{Wave::Square, 260.0, 0.5, 13.0, 0.06};
const Family COLOSSUS{Wave::Saw, 62.0, 0.5, 3.0, 0.015};
const Family REAPER{Wave::Triangle, 210.0, 1.41, 9.0, 0.05};
const Family BLOB{Wave::Sine, 190.0, 2.0, 11.0, 0.08};

void sight(Builder& b, const Family& f)
{
    b.fm(0.0, 0.45, f.wave, f.hz, f.hz * 1.6, f.ratio, 3.0, 1.0, 0.7, 1.5, f.vibratoHz, f.vibratoDepth);
}

void growl(Builder& b, const Family& f)
{
    b.fm(0.0, 0.6, f.wave, f.hz * 0.9, f.hz * 0.8, f.ratio, 5.0, 2.0, 0.6, 1.0, f.vibratoHz * 0.5,
         f.vibratoDepth * 2.0);
    b.hiss(0.0, 0.6, 0.15, 600.0, 300.0, 0.0, 2.0, 0.05);
}

void pain(Builder& b, const Family& f)
{
    b.fm(0.0, 0.25, Wave::Saw, f.hz * 2.2, f.hz * 1.1, f.ratio, 6.0, 2.0, 0.7, 6.0, f.vibratoHz * 2.0, 0.04);
    b.hiss(0.0, 0.08, 0.3, 5000.0, 2000.0, 300.0, 20.0);
}

void death(Builder& b, const Family& f, double length = 1.2)
{
    b.fm(0.0, length, f.wave, f.hz * 1.6, f.hz * 0.35, f.ratio, 6.0, 1.0, 0.7, 1.5, f.vibratoHz, f.vibratoDepth * 2);
    b.hiss(0.0, length * 0.6, 0.2, 1500.0, 200.0, 0.0, 4.0);
}

void hop(Builder& b, double fromHz, double toHz, double length, Wave wave = Wave::Sine)
{
    b.sweep(0.0, length, wave, fromHz, toHz, 0.7, 4.0);
}

void explosion(Builder& b, double length, double boomHz)
{
    b.hiss(0.0, length, 0.9, 4000.0, 150.0, 0.0, 6.0 / length, 0.001);
    b.sweep(0.0, length * 0.8, Wave::Sine, boomHz, boomHz * 0.45, 0.7, 5.0 / length, 0.001);
}

void whoosh(Builder& b, double length, double fromHz, double toHz)
{
    b.hiss(0.0, length, 0.8, fromHz, toHz, 250.0, 0.0, length * 0.4);
}

using Recipe = std::function<void(Builder&)>;

const std::map<std::string, Recipe>& recipes()
{
    static const std::map<std::string, Recipe> table = {
        {"sound", [](Builder& b) { b.sweep(0.0, 0.3, Wave::Sine, 440.0, 440.0, 0.7); }},

        {"PlayerJump", [](Builder& b) { b.sweep(0.0, 0.12, Wave::Square, 220.0, 660.0, 0.5); }},
        {"PlayerLand",
         [](Builder& b) {
             b.thud(0.0, 120.0, 0.14);
             b.hiss(0.0, 0.08, 0.3, 1200.0, 300.0, 0.0, 30.0);
         }},
        {"PlayerFireBlueMissile",
         [](Builder& b) {
             b.hiss(0.0, 0.15, 0.5, 7000.0, 1500.0, 400.0, 18.0);
             b.sweep(0.0, 0.15, Wave::Triangle, 900.0, 300.0, 0.6, 8.0);
         }},
        {"PlayerFireRedMissile",
         [](Builder& b) {
             b.hiss(0.0, 0.15, 0.5, 5000.0, 1000.0, 300.0, 18.0);
             b.sweep(0.0, 0.16, Wave::Saw, 700.0, 220.0, 0.45, 8.0);
         }},
        {"PlayerFireDestroyMissile",
         [](Builder& b) {
             b.hiss(0.0, 0.2, 0.7, 3000.0, 500.0, 0.0, 12.0);
             b.sweep(0.0, 0.2, Wave::Square, 500.0, 120.0, 0.35, 6.0);
         }},
        {"PlayerNoAmmo",
         [](Builder& b) {
             b.sweep(0.0, 0.05, Wave::Square, 150.0, 140.0, 0.5);
             b.sweep(0.09, 0.05, Wave::Square, 120.0, 110.0, 0.5);
         }},
        {"PlayerPain", [](Builder& b) { b.fm(0.0, 0.2, Wave::Saw, 420.0, 180.0, 1.3, 5.0, 1.0, 0.7, 5.0, 20.0, 0.03); }},
        {"PlayerDeath",
         [](Builder& b) {
             b.fm(0.0, 1.0, Wave::Saw, 330.0, 80.0, 1.0, 4.0, 0.5, 0.7, 2.0, 6.0, 0.04);
             b.hiss(0.0, 0.4, 0.2, 2000.0, 200.0, 0.0, 6.0);
         }},

        {"ZealotSight", [](Builder& b) { sight(b, ZEALOT); }},
        {"ZealotActive", [](Builder& b) { growl(b, ZEALOT); }},
        {"ZealotPrep", [](Builder& b) { b.fm(0.0, 0.5, Wave::Triangle, 300.0, 900.0, 3.5, 1.0, 3.0, 0.6, 0.0, 18.0, 0.05); }},
        {"ZealotCharge",
         [](Builder& b) {
             whoosh(b, 0.4, 500.0, 6000.0);
             b.sweep(0.0, 0.4, Wave::Triangle, 1200.0, 500.0, 0.3, 3.0);
         }},
        {"ZealotRecover",
         [](Builder& b) {
             b.ping(0.0, 880.0, 0.2, 0.5);
             b.ping(0.1, 660.0, 0.25, 0.5);
         }},
        {"ZealotHit", [](Builder& b) { b.ping(0.0, 800.0, 0.3, 0.7); }},
        {"ZealotHitBlock",
         [](Builder& b) {
             b.thud(0.0, 180.0, 0.2);
             b.hiss(0.0, 0.1, 0.4, 3000.0, 800.0, 0.0, 25.0);
         }},
        {"ZealotHitWall",
         [](Builder& b) {
             b.thud(0.0, 110.0, 0.25);
             b.ping(0.0, 520.0, 0.2, 0.3);
         }},
        {"ZealotPain", [](Builder& b) { pain(b, ZEALOT); }},
        {"ZealotDeath", [](Builder& b) { death(b, ZEALOT); }},

        {"AnubisSight", [](Builder& b) { sight(b, ANUBIS); }},
        {"AnubisActive", [](Builder& b) { growl(b, ANUBIS); }},
        {"AnubisShot",
         [](Builder& b) {
             b.sweep(0.0, 0.18, Wave::Square, 1200.0, 300.0, 0.4, 6.0);
             b.hiss(0.0, 0.1, 0.4, 6000.0, 2000.0, 500.0, 20.0);
         }},
        {"AnubisPain", [](Builder& b) { pain(b, ANUBIS); }},
        {"AnubisDeath", [](Builder& b) { death(b, ANUBIS); }},

        {"CreeperSight", [](Builder& b) { sight(b, CREEPER); }},
        {"CreeperActive", [](Builder& b) { growl(b, CREEPER); }},
        {"CreeperPain", [](Builder& b) { pain(b, CREEPER); }},
        {"CreeperSuicide",
         [](Builder& b) {
             b.fm(0.0, 0.5, Wave::Square, 200.0, 1400.0, 0.5, 1.0, 4.0, 0.4, 0.0, 20.0, 0.05);
             b.hiss(0.0, 0.5, 0.4, 1000.0, 8000.0, 200.0, 0.0, 0.4);
         }},
        {"CreeperDeath", [](Builder& b) { explosion(b, 0.8, 90.0); }},

        {"BlueBlockHit", [](Builder& b) { b.ping(0.0, 660.0, 0.2); }},
        {"RedBlockHit", [](Builder& b) { b.ping(0.0, 440.0, 0.22); }},
        {"DestroyHit",
         [](Builder& b) {
             b.ping(0.0, 300.0, 0.25, 0.4);
             b.hiss(0.0, 0.2, 0.6, 4000.0, 600.0, 0.0, 15.0);
         }},
        {"BlockCreate",
         [](Builder& b) {
             b.thud(0.0, 140.0, 0.2);
             b.hiss(0.0, 0.012, 0.5, 9000.0, 9000.0, 2000.0);
         }},
        {"BlockDestroy",
         [](Builder& b) {
             b.hiss(0.0, 0.35, 0.8, 3000.0, 300.0, 0.0, 8.0);
             b.thud(0.0, 90.0, 0.25, 0.6);
         }},
        {"BlockExplode", [](Builder& b) { explosion(b, 0.5, 80.0); }},
        {"Exit",
         [](Builder& b) {
             const double notes[] = {523.25, 659.25, 783.99, 1046.5};
             for (int i = 0; i < 4; ++i) {
                 b.fm(0.2 * i, i == 3 ? 0.4 : 0.3, Wave::Sine, notes[i], notes[i], 2.0, 1.5, 0.3, 0.5, 4.0);
             }
         }},
        {"BlockAcidTouch", [](Builder& b) { b.hiss(0.0, 0.3, 0.8, 9000.0, 5000.0, 2500.0, 6.0); }},
        {"BlockAcidSpray", [](Builder& b) { b.hiss(0.0, 0.5, 0.8, 2000.0, 9000.0, 1500.0, 2.0, 0.05); }},
        {"BlockCorrode",
         [](Builder& b) {
             for (int i = 0; i < 8; ++i) {
                 const double hz = 300.0 + 500.0 * b.noise.unit();
                 b.sweep(0.07 * i, 0.06, Wave::Sine, hz, hz * 1.8, 0.5, 20.0, 0.002);
             }
             b.hiss(0.0, 0.6, 0.1, 4000.0, 4000.0, 2000.0);
         }},
        {"AcidFragmentHit",
         [](Builder& b) {
             b.hiss(0.0, 0.15, 0.7, 3000.0, 800.0, 300.0, 20.0);
             b.sweep(0.0, 0.1, Wave::Sine, 400.0, 200.0, 0.4, 20.0);
         }},

        {"ItemUp",
         [](Builder& b) {
             b.fm(0.0, 0.15, Wave::Sine, 880.0, 880.0, 2.0, 1.0, 0.2, 0.5, 6.0);
             b.fm(0.1, 0.25, Wave::Sine, 1320.0, 1320.0, 2.0, 1.0, 0.2, 0.5, 6.0);
         }},
        // A tone rising by a fifth. It is started again on every frame of a
        // ride, so a soft onset lets the copies blend into one climbing hum.
        {"ElevatorUp",
         [](Builder& b) {
             b.sweep(0.0, 0.36, Wave::Sine, 220.0, 330.0, 0.6, 0.0, 0.08);
             b.sweep(0.0, 0.36, Wave::Triangle, 440.0, 660.0, 0.15, 0.0, 0.08);
         }},

        {"PetHappyHop", [](Builder& b) { hop(b, 700.0, 1000.0, 0.1); }},
        {"PetSmallJump", [](Builder& b) { hop(b, 600.0, 900.0, 0.15); }},
        {"PetJump", [](Builder& b) { hop(b, 500.0, 1200.0, 0.25, Wave::Triangle); }},

        {"BlobHappyHop", [](Builder& b) { b.fm(0.0, 0.12, Wave::Sine, 250.0, 350.0, 2.0, 2.0, 0.5, 0.7, 4.0, 25.0, 0.08); }},
        {"BlobSmallJump", [](Builder& b) { b.fm(0.0, 0.15, Wave::Sine, 220.0, 330.0, 2.0, 2.0, 0.5, 0.7, 4.0, 25.0, 0.08); }},
        {"BlobJump", [](Builder& b) { b.fm(0.0, 0.25, Wave::Sine, 200.0, 450.0, 2.0, 3.0, 0.5, 0.7, 3.0, 20.0, 0.08); }},
        {"BlobMelee",
         [](Builder& b) {
             b.hiss(0.0, 0.2, 0.6, 800.0, 300.0, 0.0, 10.0);
             b.sweep(0.0, 0.2, Wave::Sine, 150.0, 90.0, 0.6, 8.0);
         }},
        {"BlobDeath", [](Builder& b) { death(b, BLOB, 0.7); }},

        {"ColossusSight", [](Builder& b) { sight(b, COLOSSUS); }},
        {"ColossusActive", [](Builder& b) { growl(b, COLOSSUS); }},
        {"ColossusAttackStart", [](Builder& b) { b.fm(0.0, 0.8, Wave::Saw, 200.0, 1600.0, 1.01, 1.0, 4.0, 0.5, 0.0, 30.0, 0.01); }},
        {"ColossusAttackFire",
         [](Builder& b) {
             b.fm(0.0, 0.5, Wave::Saw, 1800.0, 600.0, 0.5, 3.0, 1.0, 0.5, 3.0);
             b.hiss(0.0, 0.5, 0.5, 8000.0, 2000.0, 500.0, 4.0);
         }},
        {"ColossusLaserFly", [](Builder& b) { b.fm(0.0, 0.4, Wave::Square, 900.0, 880.0, 1.5, 2.0, 2.0, 0.4, 0.0, 40.0, 0.02); }},
        {"ColossusAttackMelee", [](Builder& b) { whoosh(b, 0.5, 300.0, 1500.0); }},
        {"ColossusAttackCrush", [](Builder& b) { explosion(b, 0.8, 60.0); }},
        {"ColossusAttackSwing", [](Builder& b) { whoosh(b, 0.4, 800.0, 4000.0); }},
        {"ColossusPain", [](Builder& b) { pain(b, COLOSSUS); }},
        {"ColossusDeath", [](Builder& b) { death(b, COLOSSUS, 1.5); }},

        {"ReaperSight", [](Builder& b) { sight(b, REAPER); }},
        {"ReaperActive", [](Builder& b) { growl(b, REAPER); }},
        {"ReaperAttackMissile",
         [](Builder& b) {
             whoosh(b, 0.3, 2000.0, 600.0);
             b.sweep(0.0, 0.3, Wave::Triangle, 700.0, 260.0, 0.4, 4.0);
         }},
        {"ReaperAttackMissileHit",
         [](Builder& b) {
             b.thud(0.0, 150.0, 0.25);
             b.hiss(0.0, 0.15, 0.4, 3000.0, 600.0, 0.0, 15.0);
         }},
        {"ReaperAttackMelee", [](Builder& b) { whoosh(b, 0.3, 1000.0, 5000.0); }},
        {"ReaperAttackMeleeHit",
         [](Builder& b) {
             b.hiss(0.0, 0.15, 0.6, 8000.0, 3000.0, 1000.0, 15.0);
             b.ping(0.0, 950.0, 0.25, 0.4);
         }},
        {"ReaperPain", [](Builder& b) { pain(b, REAPER); }},
        {"ReaperDeath", [](Builder& b) { death(b, REAPER); }},
    };
    return table;
}

// Decibels against the loudness above: the jump, the game's most frequent
// sound, a little under the rest; the lift tone, whose copies pile up while
// it rides, well under.
double levelOffset(const std::string& name)
{
    static const std::map<std::string, double> offsets = {
        {"PlayerJump", -2.0}, {"BlockCreate", -1.0}, {"ElevatorUp", -5.0}};
    const auto found = offsets.find(name);
    return found == offsets.end() ? 0.0 : found->second;
}

void setLoudness(Samples& samples, double db)
{
    float peak = 0.0f;
    for (float value : samples) {
        peak = std::max(peak, std::fabs(value));
    }
    const double rms = loudestWindowRms(samples, RATE, 0.1);
    if (peak <= 0.0f || rms <= 0.0) {
        return;
    }
    const double gain = std::min(std::pow(10.0, db / 20.0) / rms, static_cast<double>(PEAK_CEILING / peak));
    for (float& value : samples) {
        value = static_cast<float>(value * gain);
    }
}

std::string baseName(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

Samples effectFor(const std::string& name)
{
    const auto found = recipes().find(name);
    if (found == recipes().end()) {
        return Samples();
    }
    Builder builder(hashName(name));
    found->second(builder);
    setLoudness(builder.samples, LOUDNESS_DB + levelOffset(name));
    fadeEnds(builder.samples, RATE, 0.004);
    return builder.samples;
}

bool writeEffects(const std::string& root)
{
    std::set<std::string> written;
    for (const SoundPath& entry : soundPaths()) {
        if (!written.insert(entry.path).second) {
            continue;
        }
        const std::string name = baseName(entry.path);
        const Samples samples = effectFor(name);
        if (samples.empty()) {
            std::fprintf(stderr, "no sound recipe for %s\n", name.c_str());
            return false;
        }
        if (!writeWav(filePath(root, entry.path), samples, RATE)) {
            std::fprintf(stderr, "cannot write %s\n", entry.path);
            return false;
        }
    }
    return true;
}

} // namespace datagen

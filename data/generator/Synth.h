#ifndef DATA_GENERATOR_SYNTH_H
#define DATA_GENERATOR_SYNTH_H

#include <cstdint>
#include <string>
#include <vector>

// A small synthesiser for the sound effects and the music: oscillators,
// envelopes, seeded noise and one-pole filters rendering into float buffers
// (-1..1) at one fixed sample rate.
namespace datagen {

using Samples = std::vector<float>;

// Seeded generator (xorshift32); the same seed gives the same stream.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed == 0 ? 0x9E3779B9u : seed) {}
    uint32_t next();
    float uniform();   // -1..1
    float unit();      // 0..1

private:
    uint32_t state;
};

uint32_t hashName(const std::string& name);

enum class Wave { Sine, Square, Saw, Triangle };

float waveAt(Wave wave, double phase);   // phase in cycles
// The same wave without the partials that would fold back below the
// sample rate's Nyquist frequency, for a phase moving `step` cycles per
// sample. Saw and square lose their aliasing; sine and triangle (whose
// partials fall off fast) are as waveAt gives them.
float bandLimitedWaveAt(Wave wave, double phase, double step);

// Attack and release in seconds; the level holds at 1 between them, then
// decays exponentially with `decay` per second when decay > 0.
struct Envelope {
    double attack = 0.005;
    double release = 0.02;
    double decay = 0.0;
    double level(double t, double length) const;
};

struct Tone {
    Wave wave = Wave::Sine;
    double startHz = 440.0;
    double endHz = 440.0;         // exponential glide over the length
    double amplitude = 0.5;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;    // fraction of the frequency
    double fmRatio = 0.0;         // modulator frequency / carrier; 0 for none
    double fmIndex = 0.0;         // at the start
    double fmIndexEnd = 0.0;
    Envelope envelope;
};

int sampleCount(double seconds, int rate);

// Adds a tone of `seconds` starting at `start` (seconds) into `out`, growing it.
void addTone(Samples& out, int rate, double start, double seconds, const Tone& tone);

struct NoiseBurst {
    double amplitude = 0.5;
    double lowpassStart = 8000.0;   // cut-off in Hz, glides to lowpassEnd
    double lowpassEnd = 8000.0;
    double highpass = 0.0;          // Hz; 0 for none
    Envelope envelope;
};

void addNoise(Samples& out, int rate, double start, double seconds, const NoiseBurst& burst, Noise& noise);

// A plucked string (Karplus-Strong); `brightness` 0..1.
void addPluck(Samples& out, int rate, double start, double seconds, double hz, double amplitude,
              double brightness, Noise& noise);

// The root mean square of the loudest `window` seconds; a shorter sound
// counts as padded with silence.
double loudestWindowRms(const Samples& samples, int rate, double window);

// Scales the peak to `peak`, then fades both ends over `fadeSeconds`.
void normalise(Samples& samples, float peak);
void fadeEnds(Samples& samples, int rate, double fadeSeconds);

// Writes 16-bit mono PCM RIFF/WAVE; creates the file's folders.
bool writeWav(const std::string& path, const Samples& samples, int rate);

bool makeParentFolders(const std::string& path);

} // namespace datagen

#endif

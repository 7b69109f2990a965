#ifndef DATA_GENERATOR_MUSIC_H
#define DATA_GENERATOR_MUSIC_H

#include <string>

#include "DataTables.h"
#include "Synth.h"

namespace datagen {

// Seconds of music before the last bar's ring-out; the final seconds fade.
const double MUSIC_SECONDS = 54.0;

// A whole track: intro, alternating A and B sections, outro and fade-out,
// with a melody, bass, chords and drums in the track's key and tempo.
Samples composeTrack(const MusicTrack& track);

bool writeMusic(const std::string& root);

} // namespace datagen

#endif

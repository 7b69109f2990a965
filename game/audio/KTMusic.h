#ifndef GAME_AUDIO_KTMUSIC_H
#define GAME_AUDIO_KTMUSIC_H

#include <SDL_mixer.h>

class KTLevelScene;

// The background playlist and the two volumes, both kept in the mixer
// itself (levels 0..128). Without an open audio device every call here does
// nothing.

const int KT_PLAYLIST_LENGTH = 13;
// Volume keys move by this much.
const int KT_VOLUME_STEP = 10;
// The step operations stop here, one short of the mixer's maximum, which
// the high presets do reach.
const int KT_VOLUME_STEP_CEILING = 127;
// The three volume presets: the volume pages' low, medium and high items.
const int KT_VOLUME_LOW = 32;
const int KT_VOLUME_MEDIUM = 64;
const int KT_VOLUME_HIGH = MIX_MAX_VOLUME;

// Playlist entry 0..12, as the game writes it (lower-case "data/music/").
const char* playlistPath(int index);

// Draws a track other than `lastTrack` (any, while it is -1), stores it in
// `lastTrack` and plays it once. `music` is the caller's current track: it is
// replaced by the new one, or by null when that fails to load, and the old
// track is freed. The level scene passes its own two fields.
void playRandomTrack(int& lastTrack, Mix_Music*& music);
// The same on the scene's last track and music handle; a null scene is
// ignored.
void playRandomTrack(KTLevelScene& scene);
void playRandomTrack(KTLevelScene* scene);

void musicVolumeDown();
void musicVolumeUp();
// The effects volume: channels 0-7 together, read back from channel 0.
void effectsVolumeDown();
void effectsVolumeUp();

void setVolumePresetLowAll();
void setVolumePresetLowEffects();
void setVolumePresetMediumAll();
void setVolumePresetMediumEffects();
void setVolumePresetHighAll();
void setVolumePresetHighEffects();

#endif

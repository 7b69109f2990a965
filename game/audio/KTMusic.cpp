#include "game/audio/KTMusic.h"

#include "engine/core/VXLog.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelScene.h"
#include "platform/HostPath.h"
#include "platform/HostRandom.h"

namespace {

const char* const playlist[KT_PLAYLIST_LENGTH] = {
    "data/music/TQ_Open_My_Eyes.wav",
    "data/music/Brass_love_for_passionate.wav",
    "data/music/chaotic.wav",
    "data/music/Destiny.wav",
    "data/music/Dreams_MASTER.wav",
    "data/music/TQ_Above_The_Clouds.wav",
    "data/music/TQ_Day_Dream.wav",
    "data/music/TQ_May_The_light_Take_Me.wav",
    "data/music/TQ_Midnight_Ride.wav",
    "data/music/Heroes_March__Extended__LQ.wav",
    "data/music/Piano.wav",
    "data/music/Raindrops___NQ.wav",
    "data/music/The_rise_of__.wav",
};

// Tracks whose file has failed to load and been named once: a missing track
// is tried again and again while nothing plays, and says so only the first
// time.
bool reportedTracks[KT_PLAYLIST_LENGTH] = {};

int stepDown(int volume)
{
    return volume > KT_VOLUME_STEP ? volume - KT_VOLUME_STEP : 0;
}

int stepUp(int volume)
{
    return volume < KT_VOLUME_STEP_CEILING - KT_VOLUME_STEP ? volume + KT_VOLUME_STEP : KT_VOLUME_STEP_CEILING;
}

void setEffectsVolume(int volume)
{
    for (int channel = 0; channel < KT_EFFECT_CHANNEL_COUNT; ++channel) {
        Mix_Volume(channel, volume);
    }
}

void setEffectsPreset(int volume)
{
    if (audioIsOpen()) {
        setEffectsVolume(volume);
    }
}

void setAllPreset(int volume)
{
    if (audioIsOpen()) {
        setEffectsVolume(volume);
        Mix_VolumeMusic(volume);
    }
}

} // namespace

const char* playlistPath(int index)
{
    if (index < 0 || index >= KT_PLAYLIST_LENGTH) {
        return "";
    }
    return playlist[index];
}

void playRandomTrack(int& lastTrack, Mix_Music*& music)
{
    if (!audioIsOpen()) {
        return;
    }
    const int previous = lastTrack;
    do {
        lastTrack = hostRand() % KT_PLAYLIST_LENGTH;
    } while (lastTrack == previous);

    Mix_Music* old = music;
    music = Mix_LoadMUS(hostPath(playlist[lastTrack]).c_str());
    if (music != nullptr) {
        Mix_PlayMusic(music, 0);
    } else if (!reportedTracks[lastTrack]) {
        reportedTracks[lastTrack] = true;
        VXLog() << "Unable to load music file: " << playlist[lastTrack] << " (" << Mix_GetError() << ")";
    }
    // Playing the new track has stopped the old one; a track that did not
    // load leaves nothing playing, so the caller's next check tries again.
    if (old != nullptr) {
        Mix_FreeMusic(old);
    }
}

void playRandomTrack(KTLevelScene& scene)
{
    playRandomTrack(scene.lastTrack, scene.music);
}

void playRandomTrack(KTLevelScene* scene)
{
    if (scene != nullptr) {
        playRandomTrack(scene->lastTrack, scene->music);
    }
}

void musicVolumeDown()
{
    if (audioIsOpen()) {
        Mix_VolumeMusic(stepDown(Mix_VolumeMusic(-1)));
    }
}

void musicVolumeUp()
{
    if (audioIsOpen()) {
        Mix_VolumeMusic(stepUp(Mix_VolumeMusic(-1)));
    }
}

void effectsVolumeDown()
{
    if (audioIsOpen()) {
        setEffectsVolume(stepDown(Mix_Volume(0, -1)));
    }
}

void effectsVolumeUp()
{
    if (audioIsOpen()) {
        setEffectsVolume(stepUp(Mix_Volume(0, -1)));
    }
}

void setVolumePresetLowAll()
{
    setAllPreset(KT_VOLUME_LOW);
}

void setVolumePresetLowEffects()
{
    setEffectsPreset(KT_VOLUME_LOW);
}

void setVolumePresetMediumAll()
{
    setAllPreset(KT_VOLUME_MEDIUM);
}

void setVolumePresetMediumEffects()
{
    setEffectsPreset(KT_VOLUME_MEDIUM);
}

void setVolumePresetHighAll()
{
    setAllPreset(KT_VOLUME_HIGH);
}

void setVolumePresetHighEffects()
{
    setEffectsPreset(KT_VOLUME_HIGH);
}

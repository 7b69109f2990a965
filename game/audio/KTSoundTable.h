#ifndef GAME_AUDIO_KTSOUNDTABLE_H
#define GAME_AUDIO_KTSOUNDTABLE_H

#include <SDL_mixer.h>

#include <map>
#include <string>

#include "engine/math/VXVec4.h"
#include "game/audio/KTSoundId.h"

class KTGameObject;

// The mixer's channels that carry effects; they always share one volume,
// read back from channel 0.
const int KT_EFFECT_CHANNEL_COUNT = 8;
// Within this many units of the listener an effect plays at the effects
// volume; beyond, its level falls as 1 / distance.
const float KT_SOUND_FULL_LEVEL_DISTANCE = 120.0f;

// True once the mixer has opened an audio device. Without one every sound
// and music call does nothing.
bool audioIsOpen();

// The game's one sound bank: plays effects by id (KTSoundId), near ones at
// the effects volume and far ones quieter.
//
// Each file is decoded once, on its first play, and kept for the program's
// life; ids that name the same file share its samples. Every play starts an
// independent playback with a level of its own: the mixer gets a header of
// the channel it plays on, pointing at the shared samples, so a later play
// never changes the level of one still sounding.
class KTSoundTable {
public:
    std::map<int, std::string> paths;
    // The listening point; the level scene sets it to the player. Without
    // one, positional effects play at the effects volume.
    KTGameObject* listener;
    // What the mixer was handed by the last play; null when that play found
    // no sound or no free channel.
    Mix_Chunk* current;
    // The channel of the last play; -1 when every channel was busy.
    int lastChannel;

    KTSoundTable();
    virtual ~KTSoundTable();

    KTSoundTable(const KTSoundTable&) = delete;
    KTSoundTable& operator=(const KTSoundTable&) = delete;

    // Fills `paths` with the 70 ids; current := none, lastChannel := 0.
    void loadAll();
    // Virtual so that tests can put a recording bank in place.
    virtual void play(int id);
    virtual void playAt(int id, VXVec4 position);

private:
    // The decoded sound of `id`, loading it on first use; null (after the
    // load message) when it cannot be read. An unknown id is entered with an
    // empty path.
    Mix_Chunk* sound(int id);
    // The first channel that is not playing, as the mixer would choose it.
    int freeChannel() const;
    void start(Mix_Chunk* source, int level);

    std::map<std::string, Mix_Chunk*> loaded;
    Mix_Chunk voices[KT_EFFECT_CHANNEL_COUNT];
};

// The global bank; null until createSoundBank (or a test) installs one.
KTSoundTable* soundTable();
void setSoundTable(KTSoundTable* table);
// Allocates the bank, installs it and loads the id table.
void createSoundBank();

// What game code calls: safe no-ops while no bank is installed.
void playSound(int id);
void playSoundAt(int id, const VXVec4& position);

#endif

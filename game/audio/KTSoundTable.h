#ifndef GAME_AUDIO_KTSOUNDTABLE_H
#define GAME_AUDIO_KTSOUNDTABLE_H

#include <map>
#include <string>

#include "engine/math/VXVec4.h"
#include "game/audio/KTSoundId.h"

struct Mix_Chunk;
class KTGameObject;

// The game's one sound bank: plays effects by id (KTSoundId), near ones at
// the effects volume and far ones quieter.
class KTSoundTable {
public:
    std::map<int, std::string> paths;
    // The listening point; the level scene sets it to the player.
    KTGameObject* listener;
    Mix_Chunk* current;
    int lastChannel;

    KTSoundTable();
    virtual ~KTSoundTable();

    // Fills `paths` with the 70 ids; current := none, lastChannel := 0.
    void loadAll();
    // Virtual so that tests can put a recording bank in place.
    virtual void play(int id);
    virtual void playAt(int id, VXVec4 position);
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

#include "game/audio/KTSoundTable.h"

namespace {
KTSoundTable* installedTable = nullptr;
}

KTSoundTable::KTSoundTable()
    : listener(nullptr), current(nullptr), lastChannel(0)
{
}

KTSoundTable::~KTSoundTable() = default;

void KTSoundTable::loadAll()
{
    current = nullptr;
    lastChannel = 0;
    static const std::pair<int, const char*> table[] = {
#include "game/audio/KTSoundPaths.inc"
    };
    for (const auto& entry : table) {
        paths[entry.first] = entry.second;
    }
}

// Playback itself arrives with the mixer layer; until then the bank is silent.
void KTSoundTable::play(int id)
{
    paths[id];
}

void KTSoundTable::playAt(int id, VXVec4 position)
{
    (void)position;
    paths[id];
}

KTSoundTable* soundTable()
{
    return installedTable;
}

void setSoundTable(KTSoundTable* table)
{
    installedTable = table;
}

void createSoundBank()
{
    installedTable = new KTSoundTable();
    installedTable->loadAll();
}

void playSound(int id)
{
    if (installedTable) {
        installedTable->play(id);
    }
}

void playSoundAt(int id, const VXVec4& position)
{
    if (installedTable) {
        installedTable->playAt(id, position);
    }
}

#include "game/audio/KTSoundTable.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "engine/core/VXLog.h"
#include "game/objects/KTGameObject.h"
#include "platform/HostPath.h"

namespace {
KTSoundTable* installedTable = nullptr;
}

bool audioIsOpen()
{
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

KTSoundTable::KTSoundTable()
    : listener(nullptr), current(nullptr), lastChannel(0), voices()
{
}

KTSoundTable::~KTSoundTable()
{
    if (audioIsOpen()) {
        // The mixer must let go of our headers before their samples go.
        for (int channel = 0; channel < KT_EFFECT_CHANNEL_COUNT; ++channel) {
            if (Mix_GetChunk(channel) == &voices[channel]) {
                Mix_HaltChannel(channel);
            }
        }
    }
    for (const auto& entry : loaded) {
        Mix_FreeChunk(entry.second);
    }
}

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

void KTSoundTable::play(int id)
{
    Mix_Chunk* source = sound(id);
    if (source == nullptr) {
        return;
    }
    start(source, MIX_MAX_VOLUME);
}

void KTSoundTable::playAt(int id, VXVec4 position)
{
    Mix_Chunk* source = sound(id);
    if (source == nullptr) {
        return;
    }
    float factor = 1.0f;
    if (listener != nullptr) {
        const VXVec4 difference = listener->position - position;
        const float distance = std::sqrt(difference.lengthSquared());
        if (distance / KT_SOUND_FULL_LEVEL_DISTANCE >= 1.0f) {
            factor = KT_SOUND_FULL_LEVEL_DISTANCE / distance;
        }
    }
    start(source, static_cast<int>(Mix_Volume(0, -1) * factor));
}

Mix_Chunk* KTSoundTable::sound(int id)
{
    const std::string& path = paths[id];
    if (!audioIsOpen()) {
        return nullptr;
    }
    const auto found = loaded.find(path);
    if (found != loaded.end()) {
        return found->second;
    }
    // A file that cannot be opened is reported with the opener's message,
    // which names it, rather than the loader's complaint about no stream.
    SDL_RWops* stream = SDL_RWFromFile(hostPath(path).c_str(), "rb");
    Mix_Chunk* chunk = stream != nullptr ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (chunk == nullptr) {
        current = nullptr;
        VXLog() << "Unable to load WAV file: " << SDL_GetError();
        return nullptr;
    }
    loaded[path] = chunk;
    return chunk;
}

int KTSoundTable::freeChannel() const
{
    const int channels = std::min(Mix_AllocateChannels(-1), KT_EFFECT_CHANNEL_COUNT);
    for (int channel = 0; channel < channels; ++channel) {
        if (Mix_Playing(channel) == 0) {
            return channel;
        }
    }
    return -1;
}

void KTSoundTable::start(Mix_Chunk* source, int level)
{
    const int channel = freeChannel();
    if (channel < 0) {
        current = nullptr;
        lastChannel = -1;
        return;
    }
    Mix_Chunk& voice = voices[channel];
    // The channel is idle, but the mixer thread may still look at its header.
    SDL_LockAudio();
    voice.allocated = 0;
    voice.abuf = source->abuf;
    voice.alen = source->alen;
    voice.volume = MIX_MAX_VOLUME;
    SDL_UnlockAudio();
    Mix_VolumeChunk(&voice, level);
    current = &voice;
    lastChannel = Mix_PlayChannelTimed(channel, &voice, 0, -1);
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

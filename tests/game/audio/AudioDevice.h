#ifndef TESTS_GAME_AUDIO_AUDIODEVICE_H
#define TESTS_GAME_AUDIO_AUDIODEVICE_H

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

// The mixer as the level scene opens it, on SDL's dummy driver unless the
// environment names another; closed again when the object goes.
struct AudioDevice {
    bool open;

    AudioDevice()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) == 0;
    }

    ~AudioDevice()
    {
        if (open) {
            Mix_HaltMusic();
            Mix_HaltChannel(-1);
            Mix_CloseAudio();
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;
};

#endif

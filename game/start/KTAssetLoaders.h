#ifndef GAME_START_KTASSETLOADERS_H
#define GAME_START_KTASSETLOADERS_H

#include <string>

// The start-up loaders that fill assets(), called once each in this order by
// the engine's init (the sound bank and the particle type follow them).
// None checks a result: a file that cannot be read leaves its asset empty
// (a model with no triangles, a texture with name 0), the reader says which
// file it was, and start-up goes on.

// The 20 shared models; needs the GL context.
void loadModels();
// Facing angles and half-length steps per movement request.
void buildDirectionTables();
// Skeleton and choreography of the four characters; needs the GL context
// (the bone models).
void loadCharacterData();
// HUD, digits, hearts, the 18 menu pages, the highlight and the 19 help
// images; needs the GL context and the library's samplers.
void loadTextures();

// Image names, as the files are called without ".png".
const int KT_HELP_IMAGE_COUNT = 19;
const char* menuPageImageName(int page);
const char* helpImageName(int index);

#endif

// Writes the game's generated data (images, sound effects, music) into the
// game directory given as the only argument. The same source always gives
// byte-identical files.
#include <cstdio>
#include <string>

#include "Canvas.h"
#include "Effects.h"
#include "Images.h"
#include "Music.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    if (!datagen::openFonts()) {
        datagen::closeFonts();
        return 1;
    }
    const bool images = datagen::writeImages(root);
    datagen::closeFonts();
    if (!images || !datagen::writeEffects(root) || !datagen::writeMusic(root)) {
        return 1;
    }
    return 0;
}

// Writes the game's generated data (images, sound effects, music) into the
// game directory given as the first argument; the level page names the
// levels of the level list in the data folder given as the second. The same
// sources always give byte-identical files.
#include <cstdio>
#include <string>
#include <vector>

#include "Canvas.h"
#include "DataTables.h"
#include "Effects.h"
#include "Images.h"
#include "Music.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s GAME_DIRECTORY DATA_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::vector<std::string> levels = datagen::levelNames(argv[2]);
    if (levels.empty()) {
        std::fprintf(stderr, "no levels listed in %s/Data/Level List.txt\n", argv[2]);
        return 1;
    }
    if (!datagen::openFonts()) {
        datagen::closeFonts();
        return 1;
    }
    const bool images = datagen::writeImages(root, levels);
    datagen::closeFonts();
    if (!images || !datagen::writeEffects(root) || !datagen::writeMusic(root)) {
        return 1;
    }
    return 0;
}

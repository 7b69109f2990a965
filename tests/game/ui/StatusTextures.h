#ifndef TESTS_GAME_UI_STATUSTEXTURES_H
#define TESTS_GAME_UI_STATUSTEXTURES_H

#include <string>
#include <vector>

#include "engine/render/VXLibrary.h"
#include "engine/render/VXTexture.h"
#include "game/start/KTAssetLoaders.h"
#include "game/start/KTAssets.h"

// The HUD and menu images in the asset registry for one test, put back as
// they were afterwards. Two kinds: one-pixel textures of known colours, so a
// pixel read back tells which image was drawn with which colour; or the
// generated files of the game directory, loaded as the game loads them.
class StatusTextures {
public:
    // Digit d: (100 + 10d, 200, 50 + 20d). Heart i: (50 + 60i, 255, 255).
    // Menu page p: (10p, 40, 80). Highlight: white at half alpha.
    static unsigned char digitRed(int d) { return static_cast<unsigned char>(100 + 10 * d); }
    static unsigned char digitBlue(int d) { return static_cast<unsigned char>(50 + 20 * d); }
    static unsigned char heartRed(int i) { return static_cast<unsigned char>(50 + 60 * i); }
    static unsigned char pageRed(int p) { return static_cast<unsigned char>(10 * p); }

    StatusTextures() : saved(assets()) {}
    ~StatusTextures()
    {
        keepLoaded();
        assets() = saved;
    }

    void installSolid()
    {
        keepLoaded();
        for (int d = 0; d < KT_DIGIT_COUNT; ++d) {
            solid(digits[d], digitRed(d), 200, digitBlue(d), 255);
            assets().digits[d] = &digits[d];
        }
        for (int i = 0; i < KT_HEART_COUNT; ++i) {
            solid(hearts[i], heartRed(i), 255, 255, 255);
            assets().hearts[i] = &hearts[i];
        }
        for (int p = 0; p < YNMenuPage::PageCount; ++p) {
            solid(pages[p], pageRed(p), 40, 80, 255);
            assets().menuPages[p] = &pages[p];
        }
        solid(highlight, 255, 255, 255, 128);
        assets().highlight = &highlight;
    }

    // The game's own loader on the generated files.
    void installGenerated() { loadTextures(); }

    VXTexture digits[KT_DIGIT_COUNT];
    VXTexture hearts[KT_HEART_COUNT];
    VXTexture pages[YNMenuPage::PageCount];
    VXTexture highlight;

private:
    KTAssets saved;

    // What the game's loaders put in the registry lives as long as the
    // program: it stays reachable when the registry's entries are replaced.
    static void keepLoaded()
    {
        static std::vector<KTAssets>* loaded = new std::vector<KTAssets>();
        loaded->push_back(assets());
    }

    static void solid(VXTexture& texture, unsigned char r, unsigned char g, unsigned char b, unsigned char a)
    {
        const unsigned char pixel[4] = {r, g, b, a};
        texture.create(1, 1, &repeatLinearSampler, pixel, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0,
                       GL_UNSIGNED_BYTE);
    }
};

#endif

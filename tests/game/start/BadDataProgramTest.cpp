#include <gtest/gtest.h>

#include <SDL_image.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"
#include "tests/game/start/GameProcess.h"

namespace fs = std::filesystem;

namespace {

// How the files of one kind are broken.
enum class Damage {
    // The kind's folders (or files) are gone: for images, their files and
    // the folders that held nothing else.
    Missing,
    // The folders stand, without a file in them.
    Emptied,
    // Every file is there with nothing in it.
    EmptyFiles,
    // Every file keeps its first third.
    Truncated,
    // Every file holds as many bytes of noise, one in twelve a line end.
    Garbage,
};

const Damage EVERY_DAMAGE[] = {Damage::Missing, Damage::Emptied, Damage::EmptyFiles, Damage::Truncated,
                               Damage::Garbage};

const char* nameOf(Damage damage)
{
    switch (damage) {
    case Damage::Missing:
        return "missing";
    case Damage::Emptied:
        return "emptied";
    case Damage::EmptyFiles:
        return "empty files";
    case Damage::Truncated:
        return "truncated";
    case Damage::Garbage:
        return "garbage";
    }
    return "";
}

// One kind of game data: its folders and files in the game directory; with
// `pngOnly`, only the PNG files under them (the image folders hold models too).
struct DataKind {
    std::vector<std::string> roots;
    bool pngOnly;
};

// What a run of the program left behind.
struct GameRun {
    bool started = false;
    bool titleShown = false;
    bool played = false;
    bool aliveAtTheEnd = false;
    int exitStatus = -1;
    std::string log;
    std::string errors;
};

// Menu page 10 as the program draws it: the shipped title image, full window.
bool showsTitlePage(pid_t pid, const std::string& titleImage)
{
    SDL_Surface* loaded = IMG_Load(titleImage.c_str());
    if (loaded == nullptr) {
        return false;
    }
    SDL_PixelFormat rgb = {};
    rgb.BitsPerPixel = 24;
    rgb.BytesPerPixel = 3;
    rgb.Rmask = 0x0000ff;
    rgb.Gmask = 0x00ff00;
    rgb.Bmask = 0xff0000;
    rgb.Gshift = 8;
    rgb.Bshift = 16;
    SDL_Surface* title = SDL_ConvertSurface(loaded, &rgb, SDL_SWSURFACE);
    SDL_FreeSurface(loaded);
    if (title == nullptr) {
        return false;
    }
    bool same = false;
    // Another test's window may come up over ours for a moment.
    for (int attempt = 0; attempt < 8 && !same; ++attempt) {
        int width = 0;
        int height = 0;
        const std::vector<unsigned char> shown = windowPicture(pid, width, height);
        if (width != title->w || height != title->h) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            continue;
        }
        long difference = 0;
        long samples = 0;
        const unsigned char* texels = static_cast<const unsigned char*>(title->pixels);
        for (int y = 3; y < height; y += 37) {
            for (int x = 5; x < width; x += 41) {
                const unsigned char* a = &shown[(static_cast<size_t>(y) * width + x) * 3];
                const unsigned char* b = &texels[static_cast<size_t>(y) * title->pitch + x * 3];
                difference += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
                ++samples;
            }
        }
        same = difference <= samples * 6;
    }
    SDL_FreeSurface(title);
    return same;
}

void pressKeys(pid_t pid, const std::vector<KeySym>& keys)
{
    for (KeySym key : keys) {
        pressKeyIn(pid, key);
        // About five frames: every key is seen in a frame of its own.
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }
}

// The game directory of the test, copied; its files hard-linked where the
// file system allows, so that breaking a file means replacing it.
class BadData : public ::testing::Test {
protected:
    TempDir dir;
    const std::string shipped = fs::current_path().string();

    std::string copyGame(const std::string& name)
    {
        const std::string copy = dir.file(name);
        std::error_code linked;
        fs::copy(shipped, copy, fs::copy_options::recursive | fs::copy_options::create_hard_links, linked);
        if (linked) {
            fs::remove_all(copy);
            fs::copy(shipped, copy, fs::copy_options::recursive);
        }
        return copy;
    }

    static std::vector<std::string> filesOf(const std::string& game, const DataKind& kind)
    {
        std::vector<std::string> files;
        for (const std::string& root : kind.roots) {
            const fs::path path = fs::path(game) / root;
            if (fs::is_regular_file(path)) {
                files.push_back(path.string());
                continue;
            }
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path)) {
                if (entry.is_regular_file() && (!kind.pngOnly || entry.path().extension() == ".png")) {
                    files.push_back(entry.path().string());
                }
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    static void replace(const std::string& path, const std::string& contents)
    {
        fs::remove(path);
        std::ofstream(path, std::ios::binary) << contents;
    }

    static void damage(const std::string& game, const DataKind& kind, Damage how)
    {
        const std::vector<std::string> files = filesOf(game, kind);
        ASSERT_FALSE(files.empty());
        std::mt19937 noise(1234u);
        for (const std::string& file : files) {
            const std::string contents = readWholeFile(file);
            switch (how) {
            case Damage::Missing:
                if (kind.pngOnly) {
                    fs::remove(file);
                }
                break;
            case Damage::Emptied:
                fs::remove(file);
                break;
            case Damage::EmptyFiles:
                replace(file, "");
                break;
            case Damage::Truncated:
                replace(file, contents.substr(0, contents.size() / 3));
                break;
            case Damage::Garbage: {
                std::string bytes(std::max<size_t>(contents.size(), 64), '\0');
                for (char& c : bytes) {
                    const unsigned int r = noise();
                    c = r % 12 == 0 ? '\n' : static_cast<char>(r >> 8);
                }
                replace(file, bytes);
                break;
            }
            }
        }
        if (how != Damage::Missing) {
            return;
        }
        for (const std::string& root : kind.roots) {
            if (!kind.pngOnly) {
                fs::remove_all(fs::path(game) / root);
                continue;
            }
            // The image folders go; those that hold other files too stay.
            std::vector<fs::path> folders;
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fs::path(game) / root)) {
                if (entry.is_directory()) {
                    folders.push_back(entry.path());
                }
            }
            for (const fs::path& folder : folders) {
                if (fs::is_empty(folder)) {
                    fs::remove(folder);
                }
            }
        }
    }

    // Starts the game in `game`, looks at its title page, takes it through
    // the menus into play where the levels allow and through every level,
    // back to the pause page, and then closes its window.
    GameRun run(const std::string& game, bool checkTitle)
    {
        GameRun result;
        const std::string log = game + "/stdout.txt";
        const pid_t pid = startProgram(game + "/Vantorel", game, true, game + "/terminal.txt");
        if (pid <= 0) {
            return result;
        }
        result.started = waitForText(log, "INITIALIZED FIRST SCENE", 30000);
        // A second of frames on the title page.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        if (result.started && checkTitle) {
            result.titleShown = showsTitlePage(pid, shipped + "/Data/Status/Main_menu/MenuStart.png");
        }
        // Title page, then New Game.
        pressKeys(pid, {XK_Return, XK_Return});
        result.played = waitForText(log, "UPDATING", 2000);
        if (result.played) {
            pressKeys(pid, {XK_Up, XK_space, XK_z, XK_x, XK_c, XK_Left, XK_Right, XK_a, XK_d, XK_w, XK_s,
                            XK_m, XK_m, XK_n, XK_plus, XK_minus, XK_0, XK_9});
            // Every level once, then back one and again.
            pressKeys(pid, std::vector<KeySym>(10, XK_F6));
            pressKeys(pid, {XK_space, XK_z, XK_F5, XK_F12, XK_Up, XK_Escape, XK_Down, XK_Return, XK_Escape});
        } else {
            // No level to play: the settings and volume pages instead.
            pressKeys(pid, {XK_Down, XK_Down, XK_Return, XK_Down, XK_Return, XK_Return, XK_Down, XK_Down,
                            XK_Down, XK_Return, XK_Up, XK_Return});
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        result.aliveAtTheEnd = stillRunning(pid);
        bool closed = false;
        for (int attempt = 0; attempt < 20 && !closed; ++attempt) {
            closed = closeWindowOf(pid);
            if (!closed) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        result.exitStatus = waitForExit(pid, 15000);
        result.log = readWholeFile(log);
        result.errors = readWholeFile(game + "/stderr.txt");
        return result;
    }

    // Every damage in turn on a fresh copy: the program starts, prints every
    // start-up line, shows its title page unless the images are what is
    // broken, plays where it has levels, names what is missing, and ends
    // with status 0 when its window is closed, with no sanitizer report.
    void check(const DataKind& kind, const std::string& missingLine, bool imagesBroken = false)
    {
        int n = 0;
        for (Damage how : EVERY_DAMAGE) {
            SCOPED_TRACE(nameOf(how));
            const std::string game = copyGame("game" + std::to_string(n++));
            damage(game, kind, how);
            const GameRun result = run(game, !imagesBroken);
            const std::string context = result.log.substr(0, 3000) + "\n...\n" + result.errors.substr(0, 3000);
            ASSERT_TRUE(result.started) << context;
            EXPECT_EQ(linesAmong(result.log, START_UP_LINES), START_UP_LINES) << context;
            if (!imagesBroken) {
                EXPECT_TRUE(result.titleShown) << "the title page";
            }
            EXPECT_TRUE(result.aliveAtTheEnd) << context;
            EXPECT_EQ(result.exitStatus, 0) << context;
            if (how == Damage::Missing || how == Damage::Emptied) {
                EXPECT_NE(result.log.find(missingLine), std::string::npos) << missingLine << "\n" << context;
            }
            for (const char* report : {"Sanitizer", "runtime error"}) {
                EXPECT_EQ(result.errors.find(report), std::string::npos) << result.errors;
            }
            lastRunPlayed = result.played;
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }

    bool lastRunPlayed = false;
};

} // namespace

TEST_F(BadData, LevelList)
{
    // Without names there is no level to start; the menus still work.
    check({{"Data/Level List.txt"}, false}, "NO LEVELS IN Data/Level List.txt");
}

TEST_F(BadData, LevelScripts)
{
    check({{"Data/Levels"}, false}, "Unable to open file: Data\\Levels\\Level01.txt");
    EXPECT_TRUE(lastRunPlayed) << "an unreadable level is an empty one";
}

TEST_F(BadData, Models)
{
    check({{"Data/Block/Models", "Data/Attack/Missile/Models", "Data/Items/Models", "Data/Status/Shadow",
            "Data/Particles", "Data/Text/HelpSymbol.obj", "Data/Text/HelpSymbol.mtl", "VXLibrary/Models"},
           false},
          "Unable to open file: Data\\Block\\Models\\DefaultTile.obj");
    EXPECT_TRUE(lastRunPlayed);
}

TEST_F(BadData, Characters)
{
    check({{"Data/Character"}, false}, "Unable to open file: Data\\Character\\MainCharacter\\MainCharacter.ktc");
    EXPECT_TRUE(lastRunPlayed);
}

TEST_F(BadData, Images)
{
    check({{"Data/Status", "Data/Text"}, true}, "Unable to load image file: Data\\Status\\Main_menu\\MenuStart.png",
          true);
    EXPECT_TRUE(lastRunPlayed);
}

TEST_F(BadData, Sounds)
{
    // Each effect is read when it first plays: the jump names its file.
    check({{"Data/Sounds"}, false}, "Unable to load WAV file: Couldn't open Data/Sounds/Player/PlayerJump.wav");
    EXPECT_TRUE(lastRunPlayed);
}

TEST_F(BadData, Music)
{
    check({{"data/music"}, false}, "Unable to load music file: data/music/");
    EXPECT_TRUE(lastRunPlayed);
}

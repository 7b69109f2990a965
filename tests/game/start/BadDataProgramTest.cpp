#include <gtest/gtest.h>

#include <SDL_image.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/OwnXServer.h"
#include "support/ProgramLog.h"
#include "support/ProgramProcess.h"
#include "support/ProgramWindow.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// Bounds, not pauses: every wait ends as soon as what it waits for happens.
// They are generous for a sanitizer build on a machine that runs many window
// tests at once; a healthy run meets each in a small part of it.
const Milliseconds StartUpBound(120000);
const Milliseconds EventBound(60000);
// The frames of play stop once the pause page has the keys: the program
// counts as paused after this many of its recent frame times without one.
// (A level load makes one long frame: the keys before Escape load none.)
const int QuietFrames = 6;
const size_t RecentFrames = 8;
const Milliseconds ShortestQuiet(250);
const Milliseconds LongestQuiet(10000);
const Milliseconds LookInterval(10);

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

// The program's stdout.txt as it grows, read on from where the last look
// stopped. Every frame of play prints one "UPDATING" line; the menus print
// none.
class GameLog {
public:
    explicit GameLog(std::string file) : path(std::move(file)) {}

    void refresh()
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return;
        }
        in.seekg(static_cast<std::streamoff>(log.size()));
        log.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        const Clock::time_point now = Clock::now();
        for (size_t end; (end = log.find('\n', scanned)) != std::string::npos; scanned = end + 1) {
            if (log.compare(scanned, end - scanned, "UPDATING") != 0) {
                continue;
            }
            if (frameCount > 0) {
                recentGaps.push_back(std::chrono::duration_cast<Milliseconds>(now - lastFrame));
                if (recentGaps.size() > RecentFrames) {
                    recentGaps.pop_front();
                }
            }
            ++frameCount;
            lastFrame = now;
        }
    }

    const std::string& text() const { return log; }
    int frames() const { return frameCount; }
    Clock::time_point lastFrameAt() const { return lastFrame; }
    bool saysSince(size_t from, const std::string& words) const { return log.find(words, from) != std::string::npos; }

    int countOf(const std::string& words) const { return occurrences(log, words); }

    // How long a silence means the frames of play have stopped, from how far
    // apart the recent ones came: a loaded machine draws slowly.
    Milliseconds quiet() const
    {
        Milliseconds longest(0);
        for (Milliseconds gap : recentGaps) {
            longest = std::max(longest, gap);
        }
        return std::clamp(longest * QuietFrames, ShortestQuiet, LongestQuiet);
    }

private:
    std::string path;
    std::string log;
    size_t scanned = 0;
    int frameCount = 0;
    Clock::time_point lastFrame;
    std::deque<Milliseconds> recentGaps;
};

// What a run of the program left behind.
struct GameRun {
    bool started = false;
    bool titleShown = false;
    bool played = false;
    // Every key of play had a frame of play after it.
    bool everyKeyPlayed = false;
    // The pause page took the keys, and its restart item went back to play.
    bool pausedAndResumed = false;
    // Without levels: the settings and volume pages were walked and New Game
    // was chosen again at the end.
    bool menusWalked = false;
    bool aliveAtTheEnd = false;
    bool windowClosed = false;
    int exitStatus = -1;
    std::string log;
    std::string errors;
};

// The title image as the window shows it: RGB rows, top first.
SDL_Surface* loadAsRgb(const std::string& path)
{
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (loaded == nullptr) {
        return nullptr;
    }
    SDL_PixelFormat rgb = {};
    rgb.BitsPerPixel = 24;
    rgb.BytesPerPixel = 3;
    rgb.Rmask = 0x0000ff;
    rgb.Gmask = 0x00ff00;
    rgb.Bmask = 0xff0000;
    rgb.Gshift = 8;
    rgb.Bshift = 16;
    SDL_Surface* converted = SDL_ConvertSurface(loaded, &rgb, SDL_SWSURFACE);
    SDL_FreeSurface(loaded);
    return converted;
}

// Whether the window shows `picture`, within a few levels on a grid of samples
// (the translucent highlight of the title's one item stays within that).
bool windowShows(pid_t pid, const SDL_Surface* picture, const std::string& display)
{
    int width = 0;
    int height = 0;
    const std::vector<unsigned char> shown = windowPicture(pid, width, height, display);
    if (picture == nullptr || width != picture->w || height != picture->h) {
        return false;
    }
    long difference = 0;
    long samples = 0;
    const unsigned char* texels = static_cast<const unsigned char*>(picture->pixels);
    for (int y = 3; y < height; y += 37) {
        for (int x = 5; x < width; x += 41) {
            const unsigned char* a = &shown[(static_cast<size_t>(y) * width + x) * 3];
            const unsigned char* b = &texels[static_cast<size_t>(y) * picture->pitch + x * 3];
            difference += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
            ++samples;
        }
    }
    return difference <= samples * 6;
}

// Drives one running program from outside: keys into its window, and waits
// that end on what its log or its window shows, or when it is gone.
class Player {
public:
    Player(pid_t program, GameLog& programLog, std::string x) : pid(program), log(programLog), display(std::move(x))
    {
    }

    bool waitUntil(const std::function<bool()>& done, Milliseconds bound)
    {
        const Clock::time_point end = Clock::now() + bound;
        for (;;) {
            log.refresh();
            if (done()) {
                return true;
            }
            if (Clock::now() >= end || !stillRunning(pid)) {
                return false;
            }
            std::this_thread::sleep_for(LookInterval);
        }
    }

    bool waitForText(const std::string& words, size_t from, Milliseconds bound)
    {
        return waitUntil([&] { return log.saysSince(from, words); }, bound);
    }

    bool press(const std::vector<KeySym>& keys)
    {
        bool all = true;
        for (KeySym key : keys) {
            all = pressKeyIn(pid, key, display) && all;
        }
        return all;
    }

    // Each key in a frame of play of its own: the next is pressed once the
    // program has polled its events after this one, and updated.
    bool playEach(const std::vector<KeySym>& keys)
    {
        for (KeySym key : keys) {
            if (!pressKeyIn(pid, key, display)) {
                return false;
            }
            log.refresh();
            // The frame counted next may have polled before the key came;
            // the one after it has seen the key.
            const int seen = log.frames() + 2;
            if (!waitUntil([&] { return log.frames() >= seen; }, EventBound)) {
                return false;
            }
        }
        return true;
    }

    // Escape in play: true once the frames of play have stopped, so that the
    // keys that follow reach the pause page and not the level.
    bool pause()
    {
        if (!pressKeyIn(pid, XK_Escape, display)) {
            return false;
        }
        const Clock::time_point pressed = Clock::now();
        return waitUntil(
            [&] {
                const Clock::time_point since = std::max(pressed, log.lastFrameAt());
                return Clock::now() - since >= log.quiet();
            },
            EventBound);
    }

    // Keys that lead from a menu back to play, pressed again while play does
    // not come back, as a player would who thinks the first press was lost.
    bool pressUntilPlay(const std::vector<KeySym>& keys)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            log.refresh();
            const int before = log.frames();
            press(keys);
            if (waitUntil([&] { return log.frames() > before; }, EventBound / 3)) {
                return true;
            }
            if (!stillRunning(pid)) {
                return false;
            }
        }
        return false;
    }

    // Return twice (the title page, New Game) until New Game has answered:
    // play has begun, or the program has said that it has no level. The
    // scene gives the menus the keys from its first update on: the keys of
    // the very first frame go to the level's keys instead, so a press may be
    // lost there. A press too many only fires in play or resumes from the
    // pause page.
    bool pressUntilNewGame()
    {
        const size_t from = log.text().size();
        const auto answered = [&] { return log.frames() > 0 || log.saysSince(from, "NO LEVELS IN "); };
        const Clock::time_point end = Clock::now() + EventBound;
        for (Milliseconds wait(500); Clock::now() < end; wait = std::min(wait * 2, EventBound / 4)) {
            press({XK_Return, XK_Return});
            if (waitUntil(answered, wait)) {
                return true;
            }
            if (!stillRunning(pid)) {
                return false;
            }
        }
        return false;
    }

    bool closeWindow()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (closeWindowOf(pid, display)) {
                return true;
            }
            if (!stillRunning(pid)) {
                return false;
            }
            std::this_thread::sleep_for(Milliseconds(100));
        }
        return false;
    }

private:
    pid_t pid;
    GameLog& log;
    std::string display;
};

// The game directory of the test, copied; its files hard-linked where the
// file system allows, so that breaking a file means replacing it. The
// programs run on an X server of the fixture's own where one can be started.
class BadData : public ::testing::Test {
protected:
    TempDir dir;
    // Started once the test is known to run.
    std::unique_ptr<OwnXServer> server;
    const std::string shipped = fs::current_path().string();
    SDL_Surface* title = nullptr;

    void SetUp() override
    {
#if defined(__SANITIZE_ADDRESS__)
        // Each case starts the program a dozen times; under the sanitizers
        // every start takes many seconds, which the suite cannot afford. The
        // normal suite runs them; VANTOREL_BAD_DATA=1 runs them here too.
        if (std::getenv("VANTOREL_BAD_DATA") == nullptr) {
            GTEST_SKIP() << "the normal build's suite runs the bad-data programs";
        }
#endif
        title = loadAsRgb(shipped + "/Data/Status/Main_menu/MenuStart.png");
        ASSERT_NE(title, nullptr);
        server = std::make_unique<OwnXServer>();
        if (server->display().empty()) {
            std::cout << "no X server of its own: the programs share the test's display" << std::endl;
        }
    }

    void TearDown() override
    {
        if (title != nullptr) {
            SDL_FreeSurface(title);
        }
    }

    std::string copyGame(const std::string& name)
    {
        const std::string copy = dir.file(name);
        std::error_code linked;
        fs::copy(shipped, copy, fs::copy_options::recursive | fs::copy_options::create_hard_links, linked);
        if (linked) {
            fs::remove_all(copy);
            fs::copy(shipped, copy, fs::copy_options::recursive);
        }
        // Logs left in the game directory by an earlier run are no part of
        // the copy: as hard links, every copy would write into the same file.
        fs::remove(fs::path(copy) / "stdout.txt");
        fs::remove(fs::path(copy) / "stderr.txt");
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
    // the menus into play where the levels allow, through every level and
    // its pause page, and then closes its window. Without levels it walks
    // the settings and volume pages instead.
    GameRun run(const std::string& game, bool lookAtTitle)
    {
        GameRun result;
        GameLog log(game + "/stdout.txt");
        const std::string& display = server->display();
        const pid_t pid = startProgram(game + "/Vantorel", game, true, game + "/terminal.txt", display);
        if (pid <= 0) {
            return result;
        }
        Player player(pid, log, display);
        result.started = player.waitForText("INITIALIZED FIRST SCENE", 0, StartUpBound);
        if (result.started && lookAtTitle) {
            result.titleShown = player.waitUntil([&] { return windowShows(pid, title, display); }, EventBound);
        }
        if (result.started) {
            // Title page, then New Game.
            player.pressUntilNewGame();
            result.played = log.frames() > 0;
        }
        if (result.played) {
            result.everyKeyPlayed =
                player.playEach({XK_Up, XK_space, XK_z, XK_x, XK_c, XK_Left, XK_Right, XK_a, XK_d, XK_w, XK_s,
                                 XK_m, XK_m, XK_n, XK_plus, XK_minus, XK_0, XK_9}) &&
                // Every level once, then back one and again.
                player.playEach(std::vector<KeySym>(10, XK_F6)) &&
                player.playEach({XK_F5, XK_F12, XK_space, XK_z, XK_Up, XK_Left, XK_Right, XK_Down});
            // The pause page: down to its restart item, back into play, and
            // paused again (after a few frames that load nothing).
            result.pausedAndResumed = player.pause() && player.pressUntilPlay({XK_Down, XK_Return}) &&
                                      player.playEach({XK_space, XK_z, XK_Left, XK_Right}) && player.pause();
        } else if (result.started) {
            // Settings, volume, all sounds and back to volume and settings;
            // then the main page and New Game once more, which names the
            // missing levels again once every key before it has been taken.
            const int named = log.countOf("NO LEVELS IN ");
            player.press({XK_Down, XK_Down, XK_Return, XK_Down, XK_Return, XK_Return, XK_Down, XK_Down, XK_Down,
                          XK_Return, XK_Up, XK_Return, XK_Up, XK_Return, XK_Return});
            result.menusWalked =
                player.waitUntil([&] { return log.countOf("NO LEVELS IN ") > named; }, EventBound);
        }
        result.aliveAtTheEnd = stillRunning(pid);
        result.windowClosed = result.aliveAtTheEnd && player.closeWindow();
        result.exitStatus = waitForExit(pid, static_cast<int>(EventBound.count()));
        log.refresh();
        result.log = log.text();
        result.errors = readWholeFile(game + "/stderr.txt") + readWholeFile(game + "/terminal.txt");
        return result;
    }

    // Every damage in turn on a fresh copy: the program starts, prints every
    // start-up line, shows its title page unless the images are what is
    // broken, plays where it has levels (always, unless `listBroken`), names
    // what is missing, and ends with status 0 when its window is closed, with
    // no sanitizer report.
    void check(const DataKind& kind, const std::string& missingLine, bool imagesBroken = false,
               bool listBroken = false)
    {
        int n = 0;
        for (Damage how : EVERY_DAMAGE) {
            SCOPED_TRACE(nameOf(how));
            const std::string game = copyGame("game" + std::to_string(n++));
            damage(game, kind, how);
            const GameRun result = run(game, !imagesBroken);
            const std::string context =
                result.log.substr(0, 3000) + "\n...\n" +
                result.log.substr(result.log.size() - std::min<size_t>(result.log.size(), 1500)) + "\n---\n" +
                result.errors.substr(0, 3000);
            ASSERT_TRUE(result.started) << context;
            EXPECT_EQ(linesAmong(result.log, START_UP_LINES), START_UP_LINES) << context;
            if (!imagesBroken) {
                EXPECT_TRUE(result.titleShown) << "the title page";
            }
            if (!listBroken) {
                EXPECT_TRUE(result.played) << context;
            }
            if (result.played) {
                EXPECT_TRUE(result.everyKeyPlayed) << context;
                EXPECT_TRUE(result.pausedAndResumed) << context;
            } else {
                EXPECT_TRUE(result.menusWalked) << context;
            }
            EXPECT_TRUE(result.aliveAtTheEnd) << context;
            EXPECT_TRUE(result.windowClosed) << context;
            EXPECT_EQ(result.exitStatus, 0) << context;
            if (how == Damage::Missing || how == Damage::Emptied) {
                EXPECT_NE(result.log.find(missingLine), std::string::npos) << missingLine << "\n" << context;
            }
            for (const char* report : {"Sanitizer", "runtime error"}) {
                EXPECT_EQ(result.errors.find(report), std::string::npos) << result.errors;
            }
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
};

} // namespace

TEST_F(BadData, Levels)
{
    // Without names there is no level to start; the menus still work.
    {
        SCOPED_TRACE("level list");
        check({{"Data/Level List.txt"}, false}, "NO LEVELS IN Data/Level List.txt", false, true);
    }
    // An unreadable level is an empty one, and it is played.
    {
        SCOPED_TRACE("level scripts");
        check({{"Data/Levels"}, false}, "Unable to open file: Data\\Levels\\Level01.txt");
    }
}

TEST_F(BadData, Models)
{
    check({{"Data/Block/Models", "Data/Attack/Missile/Models", "Data/Items/Models", "Data/Status/Shadow",
            "Data/Particles", "Data/Text/HelpSymbol.obj", "Data/Text/HelpSymbol.mtl", "VXLibrary/Models"},
           false},
          "Unable to open file: Data\\Block\\Models\\DefaultTile.obj");
}

TEST_F(BadData, Characters)
{
    check({{"Data/Character"}, false}, "Unable to open file: Data\\Character\\MainCharacter\\MainCharacter.ktc");
}

TEST_F(BadData, Images)
{
    check({{"Data/Status", "Data/Text"}, true}, "Unable to load image file: Data\\Status\\Main_menu\\MenuStart.png",
          true);
}

TEST_F(BadData, Sounds)
{
    // Each effect is read when it first plays: the jump names its file.
    check({{"Data/Sounds"}, false}, "Unable to load WAV file: Couldn't open Data/Sounds/Player/PlayerJump.wav");
}

TEST_F(BadData, Music)
{
    check({{"data/music"}, false}, "Unable to load music file: data/music/");
}

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "support/OwnXServer.h"
#include "support/ProgramProcess.h"
#include "support/TempDir.h"

namespace {

// A session as a player plays it: the built program from its game directory
// on an X server of its own, driven only from outside by key presses that
// xdotool types, watched through stdout.txt and a screenshot.
class PlaySession : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<OwnXServer> server;
    pid_t game = -1;
    std::string display;

    void TearDown() override
    {
        stop(game);
        server.reset();
    }

    static void stop(pid_t pid)
    {
        if (pid > 0 && stillRunning(pid)) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }

    // Xvfb on a display that it picks itself; a client can open it once
    // this returns true.
    bool startServer()
    {
        server = std::make_unique<OwnXServer>();
        display = server->display();
        return !display.empty();
    }

    // From the game directory (the working directory); the program itself is
    // a copy in the temporary directory, so its stdout.txt lands there.
    void startGame()
    {
        // What the program opens, whatever the test was started with.
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        game = startProgramCopy("Vantorel", dir.path(), true, dir.file("terminal.txt"), display);
    }

    std::string run(const std::string& command) const
    {
        const std::string line = "DISPLAY=" + display + " " + command + " 2>/dev/null";
        std::string out;
        if (FILE* pipe = popen(line.c_str(), "r")) {
            char buffer[256];
            while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
                out += buffer;
            }
            pclose(pipe);
        }
        return out;
    }

    void key(const std::string& name, int settleMillis = 250)
    {
        run("xdotool key " + name);
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMillis));
    }

    void hold(const std::string& name, int millis)
    {
        run("xdotool keydown " + name);
        std::this_thread::sleep_for(std::chrono::milliseconds(millis));
        run("xdotool keyup " + name);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }

    std::string log() const { return readWholeFile(dir.file("stdout.txt")); }

    bool waitFor(const std::string& text, int millis) const
    {
        return waitForText(dir.file("stdout.txt"), text, millis);
    }

    static int count(const std::string& text, const std::string& line)
    {
        int n = 0;
        std::istringstream lines(text);
        for (std::string l; std::getline(lines, l);) {
            n += l == line ? 1 : 0;
        }
        return n;
    }
};

Uint32 pixelAt(SDL_Surface* image, int x, int y)
{
    const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * image->format->BytesPerPixel;
    Uint32 value = 0;
    for (int i = 0; i < image->format->BytesPerPixel; ++i) {
        value |= static_cast<Uint32>(p[i]) << (8 * i);
    }
    return value;
}

} // namespace

TEST_F(PlaySession, TitleMainNewGameWalkFirePauseResumeAndQuitFromTheMenus)
{
    // Real key presses on a real server keep their timing only on a machine
    // that is not running other window tests at the same time: ctest runs
    // this one alone, as PlaySession.Alone.
    if (std::getenv("VANTOREL_PLAY_SESSION") == nullptr) {
        GTEST_SKIP() << "run alone by ctest as PlaySession.Alone";
    }
    if (!startServer()) {
        GTEST_SKIP() << "no X server of its own could be started here";
    }
    startGame();
    ASSERT_TRUE(waitFor("INITIALIZED FIRST SCENE", 30000)) << "display " << display << ": " << log();
    ASSERT_FALSE(run("xdotool search --sync --onlyvisible --pid " + std::to_string(game)).empty());
    // XTEST keys reach the window under the pointer; there is no window manager.
    run("xdotool mousemove 100 100");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(log().find("\nUPDATING\n"), std::string::npos) << "the title page freezes the level";

    key("Return", 800);  // title -> main
    key("Return", 800);  // New Game
    // A loaded machine may still have been on the title page for the second
    // press: press again, as a player would.
    if (!waitFor("\nUPDATING\n", 10000)) {
        key("Return", 800);
    }
    ASSERT_TRUE(waitFor("\nUPDATING\n", 10000)) << "play has begun";
    key("F6", 800);      // the second level, which arms the grey missiles
    hold("Up", 1200);
    hold("Left", 300);
    key("Return", 400);  // fire grey
    key("z", 400);       // and again
    key("a", 600);       // turn the camera a quarter
    run("import -window root -crop 800x600+0+0 " + dir.file("shot.png"));
    key("Escape");       // pause
    const size_t paused = log().size();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    key("Return", 400);  // resume
    key("Escape");       // pause again
    for (int i = 0; i < 4; ++i) {
        key("Down", 150);  // down to Main Menu
    }
    key("Return");       // the main page
    key("Up");           // quit
    key("Return");
    EXPECT_EQ(waitForExit(game, 10000), 0) << "quit from the main page";

    const std::string out = log();
    const std::regex orientation(R"(Missile Orientation: \(-?[0-9.e+-]+, -?[0-9.e+-]+, -?[0-9.e+-]+\))");
    int missiles = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Missile Orientation: (", 0) == 0) {
            EXPECT_TRUE(std::regex_match(line, orientation)) << line;
            ++missiles;
        }
    }
    EXPECT_EQ(missiles, 2) << "two grey missiles fired";
    const int frames = count(out, "UPDATING");
    EXPECT_GT(frames, 10);
    EXPECT_EQ(count(out, "FINISH UPDATING"), frames);
    EXPECT_EQ(count(out, "UPDATING PARTICLE MANAGER"), frames);
    EXPECT_GT(count(out, "DRAWING"), 10);
    EXPECT_EQ(count(out, "DRAWING"), count(out, "FINISH DRAWING"));
    EXPECT_LT(paused, out.size());

    // The screenshot shows the level: lit, varied, the HUD's heart at the top left.
    SDL_Surface* shot = IMG_Load(dir.file("shot.png").c_str());
    ASSERT_NE(shot, nullptr);
    ASSERT_EQ(shot->w, 800);
    ASSERT_EQ(shot->h, 600);
    Uint8 r, g, b;
    SDL_GetRGB(pixelAt(shot, 80, 60), shot->format, &r, &g, &b);
    EXPECT_GT(r, 200) << "heart";
    EXPECT_GT(g, 150) << "heart, white at full health";
    int lit = 0;
    int distinct = 0;
    Uint32 previous = 0;
    for (int y = 150; y < 450; y += 10) {
        for (int x = 200; x < 700; x += 10) {
            const Uint32 p = pixelAt(shot, x, y);
            SDL_GetRGB(p, shot->format, &r, &g, &b);
            lit += r + g + b > 60 ? 1 : 0;
            distinct += p != previous ? 1 : 0;
            previous = p;
        }
    }
    EXPECT_GT(lit, 1000) << "most of the level is lit";
    EXPECT_GT(distinct, 500) << "the level is no flat page";
    SDL_FreeSurface(shot);
    std::filesystem::copy_file(dir.file("shot.png"), "play-session.png",
                               std::filesystem::copy_options::overwrite_existing);
}

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/core/VXGameEngine.h"
#include "engine/core/VXInput.h"
#include "engine/core/VXLog.h"
#include "engine/core/VXScene.h"
#include "support/KeyEvents.h"

namespace {

// Everything the loop does, in the order it happened.
std::vector<std::string> trace;

class RecordingInput : public VXInput {
public:
    void onKeyDown(int key) override { trace.push_back("down " + std::to_string(key)); }
    void onKeyUp(int key) override { trace.push_back("up " + std::to_string(key)); }
    void onQuit() override { trace.push_back("quit"); }
    void onMouseButtonDown(int x, int y, int button) override
    {
        trace.push_back("mouse down " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(button));
    }
    void onMouseButtonUp(int x, int y, int button) override
    {
        trace.push_back("mouse up " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(button));
    }
};

// A scene that runs a fixed number of frames, recording each step; `beforePump`
// queues events from inside the frame's draw, so they reach that frame's pump.
class ScriptedScene : public VXScene {
public:
    explicit ScriptedScene(int frames) : frames(frames) { input = &recorder; }

    bool setUp() override
    {
        trace.push_back("setUp");
        return setUpResult;
    }
    void draw() override
    {
        drawTicks.push_back(frameTimer != nullptr ? frameTimer->lastTick : SDL_GetTicks());
        trace.push_back("draw");
        if (beforePump) {
            beforePump(static_cast<int>(drawTicks.size()));
        }
    }
    int update() override
    {
        trace.push_back("update");
        ++updates;
        if (updates == frames) {
            return finalCode;
        }
        return 0;
    }
    void tearDown() override { trace.push_back("tearDown"); }

    RecordingInput recorder;
    int frames;
    int updates = 0;
    int finalCode = -1;
    bool setUpResult = true;
    // The tick at which each frame started, as the engine's timer saw it.
    std::vector<Uint32> drawTicks;
    const VXFrameTimer* frameTimer = nullptr;
    void (*beforePump)(int frame) = nullptr;
};

class TestEngine : public VXGameEngine {
public:
    explicit TestEngine(VXScene* first) : first(first) {}

    bool init(int argc, char** argv) override
    {
        currentScene = first;
        return VXGameEngine::init(argc, argv);
    }
    void shutdown() override
    {
        trace.push_back("shutdown");
        VXGameEngine::shutdown();
    }

    VXScene* first;
};

class RunLoopTest : public ::testing::Test {
protected:
    void SetUp() override { trace.clear(); }
};

} // namespace

TEST_F(RunLoopTest, QuitOnFirstFrameRunsOneDrawAndOnePumpThenShutdown)
{
    ScriptedScene scene(1);
    scene.beforePump = [](int) { pushKey(SDLK_a, true); };
    TestEngine engine(&scene);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "draw", "down 97", "update", "shutdown"};
    EXPECT_EQ(trace, expected);
}

TEST_F(RunLoopTest, FramesStartAtLeastSixteenMillisecondsApart)
{
    ScriptedScene scene(6);
    TestEngine engine(&scene);
    scene.frameTimer = &engine.timer;
    engine.run(0, nullptr);
    ASSERT_EQ(scene.drawTicks.size(), 6u);
    // The tick counter has millisecond steps: one gap may read a step short,
    // the frames as a whole may not.
    for (size_t i = 1; i < scene.drawTicks.size(); ++i) {
        EXPECT_GE(scene.drawTicks[i] - scene.drawTicks[i - 1], 15u) << "frame " << i;
    }
    EXPECT_GE(scene.drawTicks.back() - scene.drawTicks.front(), 5u * 16u - 1u);
}

TEST_F(RunLoopTest, EventsOfOneFrameArriveInQueueOrderBeforeItsUpdate)
{
    ScriptedScene scene(2);
    scene.beforePump = [](int frame) {
        if (frame != 1) {
            return;
        }
        pushKey(SDLK_RETURN, true);
        pushKey(SDLK_RETURN, false);
        SDL_Event motion = {};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.type = SDL_MOUSEMOTION;
        motion.motion.x = 10;
        SDL_PushEvent(&motion);
        SDL_Event button = {};
        button.type = SDL_MOUSEBUTTONDOWN;
        button.button.type = SDL_MOUSEBUTTONDOWN;
        button.button.x = 700;
        button.button.y = 500;
        button.button.button = SDL_BUTTON_RIGHT;
        SDL_PushEvent(&button);
        button.type = SDL_MOUSEBUTTONUP;
        button.button.type = SDL_MOUSEBUTTONUP;
        SDL_PushEvent(&button);
        SDL_Event quit = {};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    };
    TestEngine engine(&scene);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "draw", "down 13", "up 13", "mouse down 700 500 3",
                                               "mouse up 700 500 3", "quit", "update", "draw", "update",
                                               "shutdown"};
    EXPECT_EQ(trace, expected);
}

TEST_F(RunLoopTest, SceneWithoutInputHandlerDropsItsEvents)
{
    ScriptedScene scene(2);
    scene.input = nullptr;
    scene.beforePump = [](int frame) {
        if (frame == 1) {
            pushKey(SDLK_a, true);
        }
    };
    TestEngine engine(&scene);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "draw", "update", "draw", "update", "shutdown"};
    EXPECT_EQ(trace, expected);
    // The event did not stay queued for a later handler.
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
}

TEST_F(RunLoopTest, PositiveCodeSwitchesToTheRegisteredNextScene)
{
    ScriptedScene second(1);
    ScriptedScene first(1);
    first.finalCode = 7;
    first.nextScenes[7] = &second;
    TestEngine engine(&first);
    VXLogCapture logged;
    engine.run(0, nullptr);
    const std::string output = logged.text();
    const std::vector<std::string> expected = {"setUp", "draw", "update", "tearDown", "setUp",
                                               "draw", "update", "shutdown"};
    EXPECT_EQ(trace, expected);
    EXPECT_NE(output.find("NEW SCENE LOADED\n"), std::string::npos);
    EXPECT_EQ(engine.currentScene, &second);
}

TEST_F(RunLoopTest, PositiveCodeWithoutNextSceneEndsTheLoop)
{
    ScriptedScene scene(1);
    scene.finalCode = 3;
    TestEngine engine(&scene);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "draw", "update", "tearDown", "shutdown"};
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(engine.currentScene, &scene);
}

TEST_F(RunLoopTest, NextSceneThatFailsItsSetUpEndsTheLoop)
{
    ScriptedScene second(1);
    second.setUpResult = false;
    ScriptedScene first(1);
    first.finalCode = 1;
    first.nextScenes[1] = &second;
    TestEngine engine(&first);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "draw", "update", "tearDown", "setUp", "shutdown"};
    EXPECT_EQ(trace, expected);
}

TEST_F(RunLoopTest, FailedFirstSetUpRunsNoFrame)
{
    ScriptedScene scene(1);
    scene.setUpResult = false;
    TestEngine engine(&scene);
    engine.run(0, nullptr);
    const std::vector<std::string> expected = {"setUp", "shutdown"};
    EXPECT_EQ(trace, expected);
}

TEST_F(RunLoopTest, VideoModeWithoutOpenGLReportsOnceAndStillShutsDown)
{
    // The dummy video driver has no OpenGL, so the window cannot open.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ScriptedScene scene(1);
    TestEngine engine(&scene);
    VXLogCapture logged;
    engine.run(0, nullptr);
    const std::string output = logged.text();
    EXPECT_EQ(output, "FAILED TO INIT SDL\n");
    const std::vector<std::string> expected = {"shutdown"};
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

#include "testbench/Engine.h"

// The engine and its scene live as long as the program; nothing is freed at
// exit. A global, so that it is still reachable then.
Engine* glenvorEngine = nullptr;

int main(int argc, char** argv)
{
    glenvorEngine = new Engine();
    glenvorEngine->run(argc, argv);
    return 0;
}

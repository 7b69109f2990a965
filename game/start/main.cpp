#include <iostream>

#include "game/start/KTGameEngine.h"

// The engine, its scenes and everything they hold live as long as the
// program; nothing is freed at exit. A global, so that it is still reachable
// then.
KTGameEngine* vantorelEngine = nullptr;

int main(int argc, char** argv)
{
    std::cout << "HELLO WORLD" << std::endl;
    vantorelEngine = new KTGameEngine();
    vantorelEngine->run(argc, argv);
    return 0;
}

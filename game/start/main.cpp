#include "engine/core/VXLog.h"
#include "game/start/KTGameEngine.h"

// The engine, its scenes and everything they hold live as long as the
// program; nothing is freed at exit. A global, so that it is still reachable
// then.
KTGameEngine* vantorelEngine = nullptr;

int main(int argc, char** argv)
{
    VXLog() << "HELLO WORLD";
    vantorelEngine = new KTGameEngine();
    vantorelEngine->run(argc, argv);
    return 0;
}

#include "testbench/Engine.h"

int main(int argc, char** argv)
{
    Engine engine;
    engine.run(argc, argv);
    return 0;
}

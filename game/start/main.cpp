#include <iostream>

#include "game/start/KTGameEngine.h"

int main(int argc, char** argv)
{
    std::cout << "HELLO WORLD" << std::endl;
    KTGameEngine engine;
    engine.run(argc, argv);
    return 0;
}

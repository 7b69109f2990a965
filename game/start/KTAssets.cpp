#include "game/start/KTAssets.h"

#include <algorithm>

KTAssets& assets()
{
    // Never destroyed: what it holds lives as long as the program and stays
    // reachable to the end.
    static KTAssets* registry = new KTAssets();
    return *registry;
}

int directionIndex(int dx, int dz)
{
    dx = std::clamp(dx, -1, 1);
    dz = std::clamp(dz, -1, 1);
    return dx * 3 + dz + 4;
}

VXTexture* helpImage(const std::string& name)
{
    const auto found = assets().helpImages.find(name);
    return found != assets().helpImages.end() ? found->second : nullptr;
}

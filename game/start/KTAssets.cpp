#include "game/start/KTAssets.h"

#include <algorithm>

KTAssets& assets()
{
    static KTAssets registry;
    return registry;
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

#include "game/ui/KTStatusRender.h"

#include "engine/render/VXLibrary.h"

KTStatusRender::KTStatusRender()
    : scene(nullptr)
{
}

void KTStatusRender::create()
{
    layout = KTStatusLayout();
}

void KTStatusRender::drawPass()
{
    if (screenRenderProgram == nullptr) {
        return;
    }
    layout.draw(*screenRenderProgram);
}

void KTStatusRender::initialize()
{
    layout.initialize(scene);
    VXOnScreenRender::initialize();
}

#include "engine/render/VXOnScreenRender.h"

#include "engine/render/VXLibrary.h"

void VXOnScreenRender::begin()
{
    framebuffer.bindForDrawing(drawBuffer);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    screenRenderProgram->use();
    glViewport(0, 0, 800, 600);
}

void VXOnScreenRender::initialize()
{
    useScreenTarget();
}

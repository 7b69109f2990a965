#include "engine/render/VXSpotShadowRender.h"

#include "engine/render/VXLibrary.h"

VXSpotShadowRender::VXSpotShadowRender()
    : view(nullptr)
{
}

void VXSpotShadowRender::begin()
{
    VXRender::begin();
    spotLightShadowMappingProgram->use();
    view->applyViewport();
}

void VXSpotShadowRender::initialize(VXViewState* view, VXTexture* texture)
{
    useFramebufferTarget();
    this->view = view;
    framebuffer.attachTexture(*texture, 0);
    depth.initialize(texture->width, texture->height, GL_DEPTH_COMPONENT);
    framebuffer.attachDepth(depth);
}

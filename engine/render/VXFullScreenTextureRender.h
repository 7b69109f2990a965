#ifndef ENGINE_RENDER_VXFULLSCREENTEXTURERENDER_H
#define ENGINE_RENDER_VXFULLSCREENTEXTURERENDER_H

#include "engine/render/VXRender.h"
#include "engine/render/VXTexture.h"

#include <GL/glew.h>

// Shows a texture on the window through the screen debug display program, in
// a viewport of the texture's size.
class VXFullScreenTextureRender : public VXRender {
public:
    VXFullScreenTextureRender();

    void begin() override;
    void drawPass() override;
    virtual void initialize(VXTexture* texture);

    // Not owned.
    VXTexture* texture;
    GLint vertexLocation;
    GLint textureInputLocation;
};

#endif

#ifndef ENGINE_RENDER_VXSCREENRECT_H
#define ENGINE_RENDER_VXSCREENRECT_H

#include "engine/math/VXVec4.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXTexture.h"

// A textured rectangle of the on-screen pass, corners in its -1..1
// coordinates. The image's first row shows at cornerA's y.
struct VXScreenRect {
    VXVec4 cornerA;
    VXVec4 cornerB;
    // Always opaque.
    VXVec4 colour;
    // Not owned.
    VXTexture* texture;

    // White, no texture, corners unset.
    VXScreenRect();

    // cornerB = p, cornerA = q.
    void setCorners(const VXVec4& p, const VXVec4& q);
    // Keeps the colour's x, y, z with w 1.
    void setImage(VXTexture* texture, const VXVec4& colour);
    // Inside an on-screen pass, `program` current. A rectangle without a
    // texture draws nothing.
    void draw(const VXShaderProgram& program) const;
};

#endif

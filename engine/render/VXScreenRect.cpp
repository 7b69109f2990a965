#include "engine/render/VXScreenRect.h"

VXScreenRect::VXScreenRect()
    : colour(1.0f, 1.0f, 1.0f, 1.0f), texture(nullptr)
{
}

void VXScreenRect::setCorners(const VXVec4& p, const VXVec4& q)
{
    cornerB = p;
    cornerA = q;
}

void VXScreenRect::setImage(VXTexture* texture, const VXVec4& colour)
{
    this->texture = texture;
    this->colour = colour;
}

void VXScreenRect::draw(const VXShaderProgram& program) const
{
    if (texture == nullptr) {
        return;
    }
    texture->bind(program.textureInputLocation, 0);
    colour.setUniformVec4(program.colourInputLocation);
    const VXVec4& p = cornerB;
    const VXVec4& q = cornerA;
    const GLint st = program.textureCoordinateLocation;
    const GLint xy = program.vertexLocation;
    // Attribute 0 (the position) last: setting it emits the vertex.
    glBegin(GL_QUADS);
    glVertexAttrib2f(st, 0.0f, 1.0f);
    glVertexAttrib2f(xy, p.x(), p.y());
    glVertexAttrib2f(st, 1.0f, 1.0f);
    glVertexAttrib2f(xy, q.x(), p.y());
    glVertexAttrib2f(st, 1.0f, 0.0f);
    glVertexAttrib2f(xy, q.x(), q.y());
    glVertexAttrib2f(st, 0.0f, 0.0f);
    glVertexAttrib2f(xy, p.x(), q.y());
    glEnd();
}

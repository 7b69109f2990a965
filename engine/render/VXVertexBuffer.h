#ifndef ENGINE_RENDER_VXVERTEXBUFFER_H
#define ENGINE_RENDER_VXVERTEXBUFFER_H

#include "engine/render/VXIndexTable.h"

#include <GL/glew.h>

struct VXVertexAttribute {
    int componentCount;
    GLenum type;
    int bytesPerVertex;
    // Byte offset of this attribute's block in the buffer.
    int offset;

    void set(int componentCount, GLenum type);
};

// A GL array buffer holding one block per attribute, one after another (all
// vertices' first attribute, then all vertices' second, ...): not interleaved.
struct VXVertexBuffer {
    static constexpr int maxAttributes = 6;

    GLuint buffer;
    VXVertexAttribute attributes[maxAttributes];
    // Sum of the attributes' bytes per vertex.
    int stride;
    int totalBytes;
    int attributeCount;
    int vertexCount;

    VXVertexBuffer();

    // Returns the new attribute's number, or -1 when all six are in use.
    int addAttribute(int componentCount, GLenum type);
    // Lays the blocks out and makes the GL buffer; `data` may be null.
    void allocate(int vertexCount, const void* data, GLenum usage);
    // Gives the GL buffer back; the layout stays and nothing draws. For a
    // buffer whose owner goes before the program ends.
    void release();
    // The layout step of `allocate`: block offsets and total size, no GL call.
    void layOut(int vertexCount);
    // Fills `count` vertices of one attribute's block from `firstVertex` on.
    void update(int attribute, int firstVertex, int count, const void* data);
    // Attributes mapped to -1 are skipped: their arrays are neither enabled nor disabled.
    void bind(const VXIndexTable& locations) const;
    // Draws with 32-bit indices from client memory.
    void drawElements(GLenum mode, GLsizei count, const void* indices) const;
};

#endif

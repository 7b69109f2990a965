#include "engine/render/VXVertexBuffer.h"

#include "engine/render/VXGLNames.h"

#include <cstdint>

void VXVertexAttribute::set(int componentCount, GLenum type)
{
    this->componentCount = componentCount;
    this->type = type;
    switch (type) {
    case GL_BYTE:
    case GL_UNSIGNED_BYTE:
        bytesPerVertex = componentCount;
        break;
    case GL_SHORT:
    case GL_UNSIGNED_SHORT:
        bytesPerVertex = componentCount * 2;
        break;
    case GL_INT:
    case GL_UNSIGNED_INT:
    case GL_FLOAT:
        bytesPerVertex = componentCount * 4;
        break;
    case GL_DOUBLE:
        bytesPerVertex = componentCount * 8;
        break;
    default:
        // Unknown sizes take no room, so the layout never runs past the buffer.
        bytesPerVertex = 0;
        break;
    }
}

VXVertexBuffer::VXVertexBuffer()
    : buffer(0), stride(0), totalBytes(0), attributeCount(0), vertexCount(0)
{
    for (VXVertexAttribute& attribute : attributes) {
        attribute.componentCount = 0;
        attribute.type = GL_FLOAT;
        attribute.bytesPerVertex = 0;
        attribute.offset = 0;
    }
}

int VXVertexBuffer::addAttribute(int componentCount, GLenum type)
{
    if (attributeCount >= maxAttributes) {
        return -1;
    }
    attributes[attributeCount].set(componentCount, type);
    stride += attributes[attributeCount].bytesPerVertex;
    return attributeCount++;
}

void VXVertexBuffer::allocate(int vertexCount, const void* data, GLenum usage)
{
    layOut(vertexCount);
    buffer = generateBufferName();
    // Without a GL context there is no buffer: the layout stands, nothing
    // is uploaded and nothing draws.
    if (buffer == 0) {
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, totalBytes, data, usage);
}

void VXVertexBuffer::release()
{
    deleteBufferName(buffer);
    buffer = 0;
}

void VXVertexBuffer::layOut(int vertexCount)
{
    this->vertexCount = vertexCount;
    totalBytes = 0;
    for (int i = 0; i < attributeCount; ++i) {
        attributes[i].offset = totalBytes;
        totalBytes += attributes[i].bytesPerVertex * vertexCount;
    }
}

void VXVertexBuffer::update(int attribute, int firstVertex, int count, const void* data)
{
    if (attribute < 0 || attribute >= attributeCount || buffer == 0) {
        return;
    }
    const VXVertexAttribute& block = attributes[attribute];
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferSubData(GL_ARRAY_BUFFER, block.offset + block.bytesPerVertex * firstVertex, block.bytesPerVertex * count,
                    data);
}

void VXVertexBuffer::bind(const VXIndexTable& locations) const
{
    if (buffer == 0) {
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    for (int i = 0; i < attributeCount; ++i) {
        const int location = locations.get(i);
        if (location < 0) {
            continue;
        }
        const VXVertexAttribute& block = attributes[i];
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, block.componentCount, block.type, GL_FALSE, 0,
                              reinterpret_cast<const void*>(static_cast<std::intptr_t>(block.offset)));
    }
}

void VXVertexBuffer::drawElements(GLenum mode, GLsizei count, const void* indices) const
{
    if (buffer == 0) {
        return;
    }
    glDrawElements(mode, count, GL_UNSIGNED_INT, indices);
}

#include "engine/render/VXVertexBuffer.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(VXVertexBufferLayout, BlocksFollowOneAnotherInAttributeOrder)
{
    VXVertexBuffer buffer;
    EXPECT_EQ(0, buffer.addAttribute(3, GL_FLOAT));
    EXPECT_EQ(1, buffer.addAttribute(3, GL_FLOAT));
    EXPECT_EQ(2, buffer.addAttribute(2, GL_FLOAT));
    buffer.layOut(10);
    EXPECT_EQ(0, buffer.attributes[0].offset);
    EXPECT_EQ(120, buffer.attributes[1].offset);
    EXPECT_EQ(240, buffer.attributes[2].offset);
    EXPECT_EQ(320, buffer.totalBytes);
    EXPECT_EQ(32, buffer.stride);
    EXPECT_EQ(10, buffer.vertexCount);
}

// A model read before the window opens (or in a program with no window)
// keeps its layout and draws nothing instead of calling absent GL entries.
TEST(VXVertexBufferLayout, WithoutAGLContextNothingIsUploadedOrDrawn)
{
    VXVertexBuffer buffer;
    buffer.addAttribute(3, GL_FLOAT);
    const float data[6] = { 0, 1, 2, 3, 4, 5 };
    buffer.allocate(2, data, GL_STATIC_DRAW);
    EXPECT_EQ(0u, buffer.buffer);
    EXPECT_EQ(24, buffer.totalBytes);
    buffer.update(0, 0, 2, data);
    VXIndexTable locations;
    buffer.bind(locations);
    const unsigned int indices[2] = { 0, 1 };
    buffer.drawElements(GL_LINES, 2, indices);
}

TEST(VXVertexBufferLayout, UnsizedTypesTakeNoRoomAndASeventhAttributeIsRefused)
{
    VXVertexBuffer buffer;
    buffer.addAttribute(4, GL_UNSIGNED_INT_2_10_10_10_REV);
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(i, buffer.addAttribute(1, GL_DOUBLE));
    }
    EXPECT_EQ(-1, buffer.addAttribute(1, GL_FLOAT));
    EXPECT_EQ(6, buffer.attributeCount);
    EXPECT_EQ(40, buffer.stride);
    buffer.layOut(2);
    EXPECT_EQ(0, buffer.attributes[1].offset);
    EXPECT_EQ(80, buffer.totalBytes);
}

class VXVertexBufferGL : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }
};

TEST_F(VXVertexBufferGL, BindEnablesOnlyMappedAttributes)
{
    VXVertexBuffer buffer;
    buffer.addAttribute(3, GL_FLOAT);
    buffer.addAttribute(2, GL_FLOAT);
    buffer.allocate(4, nullptr, GL_STATIC_DRAW);

    VXIndexTable none;
    buffer.bind(none);
    GLint bound = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
    EXPECT_EQ(static_cast<GLint>(buffer.buffer), bound);
    GLint enabled = 1;
    for (int location = 0; location < 4; ++location) {
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        EXPECT_EQ(0, enabled) << location;
    }

    VXIndexTable table;
    table.set(1, 3);
    buffer.bind(table);
    glGetVertexAttribiv(3, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    EXPECT_EQ(1, enabled);
    GLint size = 0;
    glGetVertexAttribiv(3, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
    EXPECT_EQ(2, size);
    void* pointer = nullptr;
    glGetVertexAttribPointerv(3, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
    EXPECT_EQ(48, reinterpret_cast<std::intptr_t>(pointer));
    glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    EXPECT_EQ(0, enabled);
    glDisableVertexAttribArray(3);
}

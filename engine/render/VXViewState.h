#ifndef ENGINE_RENDER_VXVIEWSTATE_H
#define ENGINE_RENDER_VXVIEWSTATE_H

#include "engine/math/VXMat4.h"
#include "engine/math/VXMat4Stack.h"
#include "engine/math/VXVec4.h"

#include <GL/glew.h>

struct VXShaderProgram;

// A look-at camera. All five are unset until the owner's lookAt and updateView.
struct VXCamera {
    // World to eye: the inverse of cameraToWorld.
    VXMat4 view;
    // Columns: the camera's x axis, its up axis, its z axis (from the target
    // back to the eye), each with w 0, and the eye with w 1.
    VXMat4 cameraToWorld;
    VXVec4 eye;
    VXVec4 target;
    // Replaced by its orthonormalised form at every updateView.
    VXVec4 up;
};

// One point of view: camera, projection, the model matrix stack that draw code
// pushes and pops, and the matrix uniform locations of the program that
// receives the uploads (which the caller has made current).
struct VXViewState {
    static constexpr int modelViewSlot = 0;
    static constexpr int modelViewProjectionSlot = 1;
    static constexpr int changeOfViewProjectionSlot = 3;

    // 0 model-view, 1 model-view-projection, 2 unused (always -1),
    // 3 a spot light's change-of-view-projection matrix.
    GLint uniformLocation[4];
    // Viewport size in pixels; unset until setProjection or a spot light sets it.
    int width;
    int height;
    VXCamera camera;
    VXMat4 projection;
    // projection x camera.view, refreshed by updateView.
    VXMat4 viewProjection;
    VXMat4Stack stack;
    // The last matrix that each upload sent.
    VXMat4 modelView;
    VXMat4 modelViewProjection;
    VXMat4 lightChange;

    VXViewState();

    void takeProgramLocations(const VXShaderProgram& program);
    // Points slot 3 at spot light `light` of the program (0-3).
    void setUniformLocation(const VXShaderProgram& program, int light);

    // The eye must differ from the target and the up vector must not be
    // parallel to the viewing direction. Matrices are not touched.
    void lookAt(float eyeX, float eyeY, float eyeZ, float targetX, float targetY, float targetZ, float upX,
                float upY, float upZ);
    void lookAtVectors(const VXVec4& eye, const VXVec4& target, const VXVec4& up);
    // fovy: full vertical angle in radians. viewProjection waits for updateView.
    void setProjection(float fovy, int width, int height, float zNear, float zFar);
    void updateView();
    void applyViewport() const;

    void uploadModelView();
    void uploadModelViewProjection();
    // Light view-projection x the viewer's camera-to-world: from the viewer's
    // eye space to this (light's) clip space.
    void uploadLightView(const VXCamera& viewer);
};

void uploadMatrix4(GLint location, const VXMat4& m);

#endif

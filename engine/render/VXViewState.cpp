#include "engine/render/VXViewState.h"

#include "engine/render/VXShaderProgram.h"

VXViewState::VXViewState()
    : width(0), height(0)
{
    for (GLint& location : uniformLocation) {
        location = -1;
    }
}

void VXViewState::takeProgramLocations(const VXShaderProgram& program)
{
    uniformLocation[modelViewSlot] = program.modelViewLocation;
    uniformLocation[modelViewProjectionSlot] = program.modelViewProjectionLocation;
}

void VXViewState::setUniformLocation(const VXShaderProgram& program, int light)
{
    uniformLocation[changeOfViewProjectionSlot] = -1;
    if (light >= 0 && light < VXShaderProgram::spotLightCount) {
        uniformLocation[changeOfViewProjectionSlot] =
            program.spotLights[light][VXUniformTable::changeOfViewProjectionMatrix];
    }
    uniformLocation[2] = -1;
}

void VXViewState::lookAt(float eyeX, float eyeY, float eyeZ, float targetX, float targetY, float targetZ,
                         float upX, float upY, float upZ)
{
    camera.eye = VXVec4(eyeX, eyeY, eyeZ, 1.0f);
    camera.target = VXVec4(targetX, targetY, targetZ, 1.0f);
    camera.up = VXVec4(upX, upY, upZ, 1.0f);
}

void VXViewState::lookAtVectors(const VXVec4& eye, const VXVec4& target, const VXVec4& up)
{
    camera.eye = eye;
    camera.target = target;
    camera.up = up;
}

void VXViewState::setProjection(float fovy, int width, int height, float zNear, float zFar)
{
    projection.setPerspective(fovy, static_cast<float>(width) / static_cast<float>(height), zNear, zFar);
    this->width = width;
    this->height = height;
}

void VXViewState::updateView()
{
    VXVec4 z = camera.eye - camera.target;
    z.normalize();
    VXVec4 up = camera.up.perpendicularTo(z);
    up.normalize();
    camera.up = up;
    const VXVec4 x = VXVec4::crossProduct(up, z);
    const VXVec4& eye = camera.eye;
    camera.cameraToWorld.set(x.x(), x.y(), x.z(), 0.0f,
                             up.x(), up.y(), up.z(), 0.0f,
                             z.x(), z.y(), z.z(), 0.0f,
                             eye.x(), eye.y(), eye.z(), 1.0f);
    camera.view = camera.cameraToWorld.inverse();
    viewProjection = projection * camera.view;
}

void VXViewState::applyViewport() const
{
    glViewport(0, 0, width, height);
}

void VXViewState::uploadModelView()
{
    modelView = camera.view * stack.top();
    uploadMatrix4(uniformLocation[modelViewSlot], modelView);
}

void VXViewState::uploadModelViewProjection()
{
    modelViewProjection = viewProjection * stack.top();
    uploadMatrix4(uniformLocation[modelViewProjectionSlot], modelViewProjection);
}

void VXViewState::uploadLightView(const VXCamera& viewer)
{
    lightChange = viewProjection * viewer.cameraToWorld;
    uploadMatrix4(uniformLocation[changeOfViewProjectionSlot], lightChange);
}

void uploadMatrix4(GLint location, const VXMat4& m)
{
    glUniformMatrix4fv(location, 1, GL_FALSE, m.elements);
}

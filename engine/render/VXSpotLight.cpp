#include "engine/render/VXSpotLight.h"

#include "engine/render/VXLibrary.h"
#include "engine/render/VXUniformTable.h"

VXSpotLight::VXSpotLight()
    : index(-1), on(false), shadowRender(nullptr), diffuseColour(0.0f, 0.0f, 0.0f, 1.0f),
      specularColour(0.0f, 0.0f, 0.0f, 1.0f), shadowMapDrawn(false)
{
}

void VXSpotLight::createShadowMap(int index, VXSpotShadowRender* shadowRender, float blurSigma, int width,
                                  int height)
{
    this->index = index;
    this->shadowRender = shadowRender;
    if (shadowRender == nullptr) {
        return;
    }
    shadowMapDrawn = false;
    // Two float channels for the depth moments.
    shadowMap.createEmpty(width, height, &clampLinearSampler, GL_RG32F, GL_RG, GL_TEXTURE_2D, 0, 0,
                          GL_UNSIGNED_BYTE);
    shadowRender->initialize(&lightView, &shadowMap);
    blur.initialize(&shadowMap, blurSigma);
    lightView.width = width;
    lightView.height = height;
    lightView.takeProgramLocations(*spotLightShadowMappingProgram);
}

void VXSpotLight::lookAt(float eyeX, float eyeY, float eyeZ, float targetX, float targetY, float targetZ,
                         float upX, float upY, float upZ)
{
    lightView.lookAt(eyeX, eyeY, eyeZ, targetX, targetY, targetZ, upX, upY, upZ);
    lightView.updateView();
    position = VXVec4(eyeX, eyeY, eyeZ, 1.0f);
}

void VXSpotLight::setPerspective(float fovy, float zNear, float zFar)
{
    lightView.setProjection(fovy, lightView.width, lightView.height, zNear, zFar);
    lightView.updateView();
}

void VXSpotLight::uploadUniforms(const VXShaderProgram& program, VXViewState& viewer)
{
    if (index < 0 || index >= VXShaderProgram::spotLightCount) {
        return;
    }
    const VXUniformTable& light = program.spotLights[index];
    if (!on || shadowRender == nullptr) {
        glUniform1i(light[VXUniformTable::isOn], 0);
        return;
    }
    diffuseColour.setUniformVec4(light[VXUniformTable::diffuseColour]);
    specularColour.setUniformVec4(light[VXUniformTable::specularColour]);
    shadowMap.bind(light[VXUniformTable::shadowMap], 4);
    lightView.setUniformLocation(program, index);
    lightView.uploadLightView(viewer.camera);
    const VXVec4 eyeSpacePosition = VXMat4::multiply(viewer.camera.view, position);
    eyeSpacePosition.setUniformVec4(light[VXUniformTable::eyeSpaceLightPosition]);
    glUniform1i(light[VXUniformTable::isOn], 1);
}

void VXSpotLight::drawShadowMap()
{
    if (shadowRender == nullptr || !on) {
        return;
    }
    shadowRender->begin();
    shadowRender->drawPass();
    shadowRender->end();
    blur.begin();
    blur.drawPass();
    blur.end();
    shadowMap.generateMipmap();
    shadowMapDrawn = true;
}

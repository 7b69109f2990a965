#include "engine/render/VXLibrary.h"

#include "engine/model/VXOBJData.h"

#include <iostream>

VXTextureParameters clampLinearSampler;
VXTextureParameters repeatLinearSampler;
float screenQuadCorners[8];

VXShaderProgram* horizontalGaussianBlurProgram = nullptr;
VXShaderProgram* verticalGaussianBlurProgram = nullptr;
VXShaderProgram* screenDebugDisplayProgram = nullptr;
VXShaderProgram* spotLightShadowMappingProgram = nullptr;
VXShaderProgram* defaultRenderProgram = nullptr;
VXShaderProgram* screenRenderProgram = nullptr;

VXOBJData* cubeBackgroundModel = nullptr;
VXOBJData* markerModel = nullptr;

void (*libraryProgramsBuiltHook)() = nullptr;

namespace {

VXShaderProgram* buildProgram(const std::string& base, const std::string& name)
{
    VXShaderProgram* program = new VXShaderProgram();
    program->attachVertexShader(base + "\\GLSL\\" + name + ".vs");
    program->attachFragmentShader(base + "\\GLSL\\" + name + ".fs");
    program->link();
    program->bindStandardNames();
    return program;
}

VXOBJData* loadModel(const std::string& base, const std::string& name)
{
    VXOBJData* model = new VXOBJData();
    model->parseFile(base + "\\Models\\" + name + ".obj");
    return model;
}

} // namespace

void initializeLibrary(std::string base)
{
    std::cout << "INITIALIZING" << std::endl;

    repeatLinearSampler = {GL_REPEAT, GL_REPEAT, GL_LINEAR, GL_LINEAR};
    clampLinearSampler = {GL_CLAMP, GL_CLAMP, GL_LINEAR, GL_LINEAR};

    const float corners[8] = {-1.0f, -1.0f, 1.0f, -1.0f, 1.0f, 1.0f, -1.0f, 1.0f};
    for (int i = 0; i < 8; ++i) {
        screenQuadCorners[i] = corners[i];
    }

    horizontalGaussianBlurProgram = buildProgram(base, "vx_horizontal_gaussian_blur");
    verticalGaussianBlurProgram = buildProgram(base, "vx_vertical_gaussian_blur");
    screenDebugDisplayProgram = buildProgram(base, "vx_screen_debug_display");
    spotLightShadowMappingProgram = buildProgram(base, "vx_spot_light_shadow_mapping");
    defaultRenderProgram = buildProgram(base, "vx_default_render");
    screenRenderProgram = buildProgram(base, "vx_screen_render");

    if (libraryProgramsBuiltHook != nullptr) {
        libraryProgramsBuiltHook();
    }

    cubeBackgroundModel = loadModel(base, "vx_cube_background");
    markerModel = loadModel(base, "vx_object_marker");
}

#include "engine/render/VXLibrary.h"

#include "engine/model/VXOBJData.h"
#include "engine/render/VXShader.h"

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

const char* const defaultRenderName = "vx_default_render";
std::string libraryBase;
VXShaderProgram* defaultRenderVariants[allSpotLights + 1] = {};

// One constant per spot light, true for the lights of `lightSet`, before the
// lit program's fragment source.
std::string lightSetDeclarations(int lightSet)
{
    std::string text;
    for (int i = 0; i < 4; ++i) {
        text += "const bool vx_spot_light_" + std::to_string(i) + "_enabled = ";
        text += (lightSet & (1 << i)) != 0 ? "true; " : "false; ";
    }
    return text;
}

VXShaderProgram* buildProgram(const std::string& base, const std::string& name,
                              const std::string& fragmentPrefix = std::string())
{
    VXShaderProgram* program = new VXShaderProgram();
    program->attachVertexShader(base + "\\GLSL\\" + name + ".vs");
    VXShader* fragment = new VXShader(GL_FRAGMENT_SHADER);
    if (!fragmentPrefix.empty()) {
        fragment->lines.push_back(fragmentPrefix);
    }
    fragment->compile(base + "\\GLSL\\" + name + ".fs");
    program->push(fragment);
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
    libraryBase = base;
    for (VXShaderProgram*& variant : defaultRenderVariants) {
        variant = nullptr;
    }
    defaultRenderProgram = buildProgram(base, defaultRenderName, lightSetDeclarations(allSpotLights));
    defaultRenderVariants[allSpotLights] = defaultRenderProgram;
    screenRenderProgram = buildProgram(base, "vx_screen_render");

    if (libraryProgramsBuiltHook != nullptr) {
        libraryProgramsBuiltHook();
    }

    cubeBackgroundModel = loadModel(base, "vx_cube_background");
    markerModel = loadModel(base, "vx_object_marker");
}

VXShaderProgram* defaultRenderProgramForLights(int lightSet)
{
    lightSet &= allSpotLights;
    VXShaderProgram*& variant = defaultRenderVariants[lightSet];
    if (variant == nullptr) {
        variant = buildProgram(libraryBase, defaultRenderName, lightSetDeclarations(lightSet));
    }
    return variant;
}

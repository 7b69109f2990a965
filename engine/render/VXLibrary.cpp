#include "engine/render/VXLibrary.h"

#include "engine/core/VXLog.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXShader.h"

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
// By light set and shadow set, one bit per spot light each.
VXShaderProgram* defaultRenderVariants[(allSpotLights + 1) * (allSpotLights + 1)] = {};

// Two constants per spot light before the lit program's fragment source:
// whether its code is in the program, and whether its shadow lookup is.
std::string lightSetDeclarations(int lightSet, int shadowSet)
{
    std::string text;
    for (int i = 0; i < VXShaderProgram::spotLightCount; ++i) {
        const std::string light = "const bool vx_spot_light_" + std::to_string(i);
        text += light + "_enabled = " + ((lightSet & (1 << i)) != 0 ? "true; " : "false; ");
        text += light + "_shadowed = " + ((shadowSet & (1 << i)) != 0 ? "true; " : "false; ");
    }
    return text;
}

int variantIndex(int lightSet, int shadowSet)
{
    return (lightSet & allSpotLights) | (shadowSet & allSpotLights) << VXShaderProgram::spotLightCount;
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
    VXLog() << "INITIALIZING";

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
    defaultRenderProgram =
        buildProgram(base, defaultRenderName, lightSetDeclarations(allSpotLights, allSpotLights));
    defaultRenderVariants[variantIndex(allSpotLights, allSpotLights)] = defaultRenderProgram;
    screenRenderProgram = buildProgram(base, "vx_screen_render");

    if (libraryProgramsBuiltHook != nullptr) {
        libraryProgramsBuiltHook();
    }

    cubeBackgroundModel = loadModel(base, "vx_cube_background");
    markerModel = loadModel(base, "vx_object_marker");
}

VXShaderProgram* defaultRenderProgramForLights(int lightSet, int shadowSet)
{
    VXShaderProgram*& variant = defaultRenderVariants[variantIndex(lightSet, shadowSet)];
    if (variant == nullptr) {
        variant = buildProgram(libraryBase, defaultRenderName, lightSetDeclarations(lightSet, shadowSet));
    }
    return variant;
}

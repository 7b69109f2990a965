#include "testbench/Scene.h"

#include "engine/animation/VXBone.h"
#include "engine/animation/VXPose.h"
#include "engine/animation/VXSkeleton.h"
#include "testbench/DefaultRender.h"
#include "testbench/Input.h"
#include "testbench/Shadow.h"

#include <SDL.h>

float poseBlendFactor = 0.0f;
float poseBlendStep = 0.02f;

namespace {

const int shadowedLight = 0;
// Radians (three quarters of pi): the light sees the whole backdrop.
const float lightFieldOfView = 2.3561945f;
const float lightNear = 1.0f;
const float lightFar = 1000.0f;

} // namespace

Scene::Scene()
    : quitCode(0)
    , defaultRender(nullptr)
    , skeleton(nullptr)
    , poseA(nullptr)
    , poseB(nullptr)
    , modelPath("test.obj")
    , skeletonPath("Data\\Character\\MainCharacter\\MainCharacter.ktc")
{
}

Scene::~Scene()
{
}

bool Scene::setUp()
{
    quitCode = 0;
    input = new Input(this);

    model.parseFile(modelPath);

    skeletonData.parseFile(skeletonPath);
    skeleton = VXSkeleton::create(skeletonData, choreographyData);
    // The rest pose is taken now, before any update turns a bone.
    poseA = new VXPose(poseBoneCount);
    for (int i = 0; i < poseBoneCount && i < static_cast<int>(skeleton->bones.size()); ++i) {
        poseA->setOrientation(i, skeleton->bones[i]->rotation);
    }
    poseB = new VXPose(poseBoneCount);

    ambientColour = VXVec4(0.5f, 0.5f, 0.5f, 1.0f);

    Shadow* shadow = new Shadow(this);
    lights[shadowedLight].createShadowMap(shadowedLight, shadow, shadowBlurSigma, shadowMapSize, shadowMapSize);
    for (int i = shadowedLight + 1; i < VXShaderProgram::spotLightCount; ++i) {
        lights[i].createShadowMap(i, nullptr, shadowBlurSigma, shadowMapSize, shadowMapSize);
    }

    VXSpotLight& light = lights[shadowedLight];
    // Up is -y: the light looks back along the camera's axis upside down.
    light.lookAt(0.0f, 0.0f, 30.0f, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f, 0.0f);
    light.setPerspective(lightFieldOfView, lightNear, lightFar);
    light.diffuseColour = VXVec4(0.75f, 0.75f, 0.75f, 1.0f);
    light.specularColour = VXVec4(0.75f, 0.75f, 0.75f, 1.0f);
    light.on = true;

    defaultRender = new DefaultRender(this);
    VXViewState& view = defaultRender->view;
    view.setProjection(cameraFieldOfView, screenWidth, screenHeight, cameraNear, cameraFar);
    view.lookAt(0.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f);
    view.updateView();
    defaultRender->initialize();
    return true;
}

int Scene::update()
{
    // Turned back on the update after the factor has left [0, 1].
    if (poseBlendFactor > 1.0f) {
        poseBlendStep = -poseBlendStep;
        poseBlendFactor = 1.0f;
    } else if (poseBlendFactor < 0.0f) {
        poseBlendStep = -poseBlendStep;
        poseBlendFactor = 0.0f;
    }
    poseBlendFactor += poseBlendStep;
    skeleton->interpolatePose(*poseA, *poseB, poseBlendFactor);
    return quitCode;
}

void Scene::draw()
{
    drawShadowMaps();
    defaultRender->begin();
    defaultRender->drawPass();
    defaultRender->end();
    SDL_GL_SwapBuffers();
}

#include "testbench/Input.h"

#include "testbench/DefaultRender.h"
#include "testbench/Scene.h"

namespace {

const float eyeStep = 5.0f;

const int keyUp = 273;
const int keyDown = 274;
const int keyRight = 275;
const int keyLeft = 276;
const int keyCloser = 'u';
const int keyFarther = 'j';

} // namespace

Input::Input(Scene* scene)
    : scene(scene)
{
}

void Input::onKeyDown(int key)
{
    VXViewState& view = scene->defaultRender->view;
    view.setProjection(Scene::cameraFieldOfView, Scene::screenWidth, Scene::screenHeight, Scene::cameraNear,
                       Scene::cameraFar);
    view.camera.target = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    // updateView keeps only the part of up that is perpendicular to the view.
    view.camera.up = VXVec4(0.0f, 1.0f, 0.0f, 1.0f);
    VXVec4& eye = view.camera.eye;
    switch (key) {
    case keyUp:
        eye.y() += eyeStep;
        break;
    case keyDown:
        eye.y() -= eyeStep;
        break;
    case keyLeft:
        eye.x() -= eyeStep;
        break;
    case keyRight:
        eye.x() += eyeStep;
        break;
    case keyCloser:
        eye.z() -= eyeStep;
        break;
    case keyFarther:
        eye.z() += eyeStep;
        break;
    default:
        break;
    }
    view.updateView();
}

void Input::onQuit()
{
    scene->quitCode = -1;
}

#ifndef TESTBENCH_SCENE_H
#define TESTBENCH_SCENE_H

#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/core/VXScene.h"
#include "engine/model/VXOBJData.h"

#include <string>

class DefaultRender;
class VXPose;
class VXSkeleton;

// Where the skeleton's blend stands (0 at rest, 1 at poseB) and how far it
// moves per update; the step changes sign at each end of the swing.
extern float poseBlendFactor;
extern float poseBlendStep;

// The bench's one scene: a lit model and the main character's skeleton under
// a shadow-casting spot light, with a pose blend that swings every update.
class Scene : public VXScene {
public:
    static constexpr int poseBoneCount = 13;
    static constexpr int screenWidth = 800;
    static constexpr int screenHeight = 600;
    // Radians (a quarter of pi).
    static constexpr float cameraFieldOfView = 0.7853982f;
    static constexpr float cameraNear = 1.0f;
    static constexpr float cameraFar = 10000.0f;
    static constexpr int shadowMapSize = 512;
    static constexpr float shadowBlurSigma = 1.0f;

    Scene();
    // The objects made by setUp are not freed: the scene lives as long as
    // the program.
    ~Scene() override;

    bool setUp() override;
    int update() override;
    void draw() override;

    int quitCode;
    VXOBJData model;
    DefaultRender* defaultRender;
    VXSkeleton* skeleton;
    VXVXSSkeletonData skeletonData;
    // Blended from poseA (the skeleton's rest pose) to poseB.
    VXPose* poseA;
    VXPose* poseB;

    // The data paths that setUp reads; a test may point them elsewhere first.
    std::string modelPath;
    std::string skeletonPath;
    // The bench plays no choreography; the skeleton is built with this empty one.
    VXVXAChoreographyManagerData choreographyData;
};

#endif

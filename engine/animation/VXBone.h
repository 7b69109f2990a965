#ifndef ENGINE_ANIMATION_VXBONE_H
#define ENGINE_ANIMATION_VXBONE_H

#include "engine/math/VXMat4.h"
#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"

#include <vector>

class VXOBJData;
struct VXShaderProgram;
struct VXViewState;

// One bone of a skeleton instance.
class VXBone {
public:
    VXOBJData* model;         // null for a bone drawn as a transform only; not owned
    VXQuat rotation;          // set by the animation
    VXVec4 translation;       // from the parent bone
    std::vector<VXVec4> extensionPoints;
    VXMat4 worldMatrix;       // the top of the matrix stack at the last draw
    std::vector<VXVec4> extensionPointsCopy;
    std::vector<VXBone*> children;  // not owned: the skeleton owns every bone

    VXBone();

    void addExtension(const VXVec4& p);
    void addChild(VXBone* child);

    // Draws this bone and its subtree, consuming exactly one stack entry: a
    // bone leaves a copy of its transform for each child but the first, which
    // inherits the entry, and a leaf pops the entry it drew with.
    void draw(VXViewState& view, const VXShaderProgram& program);
};

#endif

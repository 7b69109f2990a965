#ifndef ENGINE_ANIMATION_VXVXSSKELETONDATA_H
#define ENGINE_ANIMATION_VXVXSSKELETONDATA_H

#include "engine/math/VXVec4.h"
#include "engine/text/VXFilePath.h"
#include "engine/text/VXTextFileStreamReader.h"

#include <map>
#include <string>
#include <vector>

class VXBone;
class VXOBJData;

// One bone as read from a skeleton file.
struct VXBoneData {
    std::string name;
    std::string modelName;
    VXOBJData* model;               // shared, owned by the skeleton data
    VXVec4 translation;             // from the parent bone
    std::vector<VXVec4> extensions;

    VXBoneData();

    // A new bone with this record's translation, model and extensions.
    VXBone* makeBone() const;
};

// A parent-child link between two bones, by bone index; -1 until set.
struct VXBoneRelation {
    int parent;
    int child;
};

// A ".vxs" skeleton (the game's ".ktc" character files too): the bones, their
// models and the tree that links them. Loads the bone models as it reads.
class VXVXSSkeletonData : public VXTextFileStreamReader {
public:
    VXFilePath path;
    // Insert-on-lookup: an unknown model name stands for no model; "Null" is
    // entered with no model from the start.
    std::map<std::string, VXOBJData*> modelByName;
    // Insert-on-lookup: an unknown bone name stands for bone 0.
    std::map<std::string, int> boneIndexByName;
    std::vector<VXOBJData*> models;  // owned, shared by every skeleton built
    std::vector<VXBoneData> bones;
    std::vector<VXBoneRelation> relations;
    VXOBJData* currentModel;
    int anchorBone;
    int lastBoneIndex;
    int lastRelationIndex;
    int boneCount;

    VXVXSSkeletonData();
    ~VXVXSSkeletonData();
    VXVXSSkeletonData(const VXVXSSkeletonData&) = delete;
    VXVXSSkeletonData& operator=(const VXVXSSkeletonData&) = delete;

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;
    void print(std::string prefix) override;
    void endParse() override;

    // The index of the named bone, 0 when no bone has that name (the lookup
    // rule of boneIndexByName, for callers that hold the data read-only).
    int boneIndexOf(const std::string& name) const;
};

#endif

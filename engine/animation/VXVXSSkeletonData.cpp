#include "engine/animation/VXVXSSkeletonData.h"

#include "engine/animation/VXBone.h"
#include "engine/core/VXLog.h"
#include "engine/model/VXOBJData.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

namespace {

// "x y z [w]" or "(x, y, z[, w])": missing x, y, z read as 0, a missing w as 1.
VXVec4 parseVector(std::string text)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&skeletonNumberCharacterClasses);
    tokenizer.setText(&text);
    VXVec4 v(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < 4; ++i) {
        const std::string word = tokenizer.nextToken();
        if (word.empty()) {
            break;
        }
        v[i] = parseFloat(word);
    }
    return v;
}

} // namespace

VXBoneData::VXBoneData()
    : name("NO BONE")
    , modelName("NULL")
    , model(nullptr)
    , translation(0.0f, 0.0f, 0.0f, 1.0f)
{
}

VXBone* VXBoneData::makeBone() const
{
    VXBone* bone = new VXBone();
    bone->translation = translation;
    bone->model = model;
    for (const VXVec4& extension : extensions) {
        bone->addExtension(extension);
    }
    return bone;
}

VXVXSSkeletonData::VXVXSSkeletonData()
    : currentModel(nullptr)
    , anchorBone(-1)
    , lastBoneIndex(-1)
    , lastRelationIndex(-1)
    , boneCount(0)
{
    modelByName["Null"] = nullptr;
}

VXVXSSkeletonData::~VXVXSSkeletonData()
{
    for (VXOBJData* model : models) {
        delete model;
    }
}

void VXVXSSkeletonData::beginParse(std::string filePath)
{
    path.set(filePath);
}

void VXVXSSkeletonData::parseLine(std::string line)
{
    std::string text = line;
    VXTokenizer tokenizer;
    tokenizer.setTable(&skeletonCharacterClasses);
    tokenizer.setText(&text);
    const std::string keyword = tokenizer.nextToken();

    // Lines that open an object.
    if (keyword == "Model:") {
        const std::string name = tokenizer.nextToken();
        currentModel = new VXOBJData();
        models.push_back(currentModel);
        modelByName[name] = currentModel;
        return;
    }
    if (keyword == "Bone:") {
        ++lastBoneIndex;
        VXBoneData bone;
        bone.name = tokenizer.nextToken();
        bones.push_back(bone);
        boneIndexByName[bone.name] = lastBoneIndex;
        return;
    }
    if (keyword == "Relation:") {
        ++lastRelationIndex;
        relations.push_back(VXBoneRelation{-1, -1});
        return;
    }
    if (keyword == "Anchor_Bone:") {
        anchorBone = boneIndexByName[tokenizer.nextToken()];
        return;
    }

    // Lines that fill the object the nearest earlier opening line made; with
    // no such object they are dropped.
    if (keyword == "File_Path:") {
        if (currentModel != nullptr) {
            currentModel->parseFile(path.directory + tokenizer.restOfLine());
        }
        return;
    }
    const bool boneLine = keyword == "Model_Name:" || keyword == "Translation:" || keyword == "Extension:";
    if (boneLine) {
        if (bones.empty()) {
            return;
        }
        VXBoneData& bone = bones.back();
        if (keyword == "Model_Name:") {
            const std::string name = tokenizer.nextToken();
            bone.model = modelByName[name];
            bone.modelName = name;
        } else if (keyword == "Translation:") {
            bone.translation = parseVector(tokenizer.restOfLine());
            bone.translation[3] = 1.0f;
        } else {
            bone.extensions.push_back(parseVector(tokenizer.restOfLine()));
        }
        return;
    }
    if (keyword == "Parent:" || keyword == "Child:") {
        if (relations.empty()) {
            return;
        }
        const int bone = boneIndexByName[tokenizer.nextToken()];
        if (keyword == "Parent:") {
            relations.back().parent = bone;
        } else {
            relations.back().child = bone;
        }
        return;
    }

    VXLog() << line;
}

void VXVXSSkeletonData::print(std::string prefix)
{
    VXLog() << prefix << "Skeleton Data:";
    const std::string p = prefix + "\t";
    for (VXBoneData& bone : bones) {
        VXLog() << p << "Bone: " << bone.name;
        VXLog() << p << "\tModel: " << bone.modelName;
        bone.translation.print(p + "\t");
        for (VXVec4& extension : bone.extensions) {
            extension.print(p + "\t");
        }
    }
    for (const VXBoneRelation& relation : relations) {
        VXLog() << p << "Bone Relation Data:";
        VXLog() << p << "\tParent Bone: " << relation.parent;
        VXLog() << p << "\tChild Bone: " << relation.child;
    }
}

void VXVXSSkeletonData::endParse()
{
    boneCount = lastBoneIndex + 1;
}

int VXVXSSkeletonData::boneIndexOf(const std::string& name) const
{
    const auto found = boneIndexByName.find(name);
    if (found == boneIndexByName.end()) {
        return 0;
    }
    return found->second;
}

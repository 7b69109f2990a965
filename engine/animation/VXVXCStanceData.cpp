#include "engine/animation/VXVXCStanceData.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/core/VXLog.h"
#include "engine/math/VXMath.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

namespace {

// Degrees to radians, computed in double.
float radians(float degrees)
{
    return static_cast<float>(degrees * VX_PI_EIGHT_DIGITS / 180.0);
}

} // namespace

VXBoneOrientation::VXBoneOrientation()
    : boneName()
    , orientation(VXQuat::identity())
    , eulerDegrees(0.0f, 0.0f, 0.0f, 1.0f)
{
}

VXVec4 parseOrientation(std::string text)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&orientationCharacterClasses);
    tokenizer.setText(&text);
    VXVec4 angles(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < 3; ++i) {
        const std::string word = tokenizer.nextToken();
        if (word.empty()) {
            break;
        }
        angles[i] = parseFloat(word);
    }
    return angles;
}

VXQuat eulerToQuaternion(const VXVec4& degrees)
{
    VXQuat q = VXQuat::fromAngleAxis(radians(degrees[0]), 0.0f, 1.0f, 0.0f);
    q = q * VXQuat::fromAngleAxis(radians(degrees[1]), 1.0f, 0.0f, 0.0f);
    q = q * VXQuat::fromAngleAxis(radians(degrees[2]), 0.0f, 1.0f, 0.0f);
    return q;
}

std::string eulerToText(const VXVec4& degrees)
{
    return "(" + floatToString(degrees[0]) + ", " + floatToString(degrees[1]) + ", "
        + floatToString(degrees[2]) + ")";
}

VXVXCStanceData::VXVXCStanceData()
    : currentBone(-1)
    , writeCounter(0)
{
}

VXVXCStanceData::VXVXCStanceData(const VXVXCStanceData& other)
    : VXTextFileStreamReader()
    , VXTextFileStreamWriter()
    , orientations(other.orientations)
    , boneIndices(other.boneIndices)
    , currentBone(other.currentBone)
    , writeCounter(0)
{
}

VXVXCStanceData& VXVXCStanceData::operator=(const VXVXCStanceData& other)
{
    orientations = other.orientations;
    boneIndices = other.boneIndices;
    return *this;
}

void VXVXCStanceData::beginParse(std::string)
{
    currentBone = -1;
    orientations.clear();
    boneIndices.clear();
}

void VXVXCStanceData::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&stanceCharacterClasses);
    tokenizer.setText(&line);
    const std::string keyword = tokenizer.nextToken();
    if (keyword == "Bone:") {
        ++currentBone;
        VXBoneOrientation orientation;
        orientation.boneName = tokenizer.nextToken();
        orientations.push_back(orientation);
        boneIndices.push_back(currentBone);
        return;
    }
    if (keyword == "Orientation:") {
        // An orientation before any "Bone:" line has no bone to turn.
        if (currentBone < 0 || currentBone >= static_cast<int>(orientations.size())) {
            return;
        }
        VXBoneOrientation& orientation = orientations[currentBone];
        orientation.eulerDegrees = parseOrientation(tokenizer.restOfLine());
        orientation.orientation = eulerToQuaternion(orientation.eulerDegrees);
    }
}

void VXVXCStanceData::print(std::string prefix)
{
    VXLog() << prefix << "VXC Stance Data: ";
    const std::string p = prefix + "\t";
    for (VXBoneOrientation& orientation : orientations) {
        VXLog() << p << "VXC Orientation Map: " << orientation.boneName;
        orientation.orientation.print(p + "\t");
    }
}

void VXVXCStanceData::endParse()
{
}

void VXVXCStanceData::beginWrite(std::string)
{
    writeCounter = 0;
}

void VXVXCStanceData::writeLine()
{
    if (writeCounter >= 0 && writeCounter < static_cast<int>(orientations.size())) {
        const VXBoneOrientation& orientation = orientations[writeCounter];
        VXTextFileStreamWriter::stream << "Bone: " << orientation.boneName << std::endl;
        VXTextFileStreamWriter::stream << "\tOrientation: " << eulerToText(orientation.eulerDegrees)
                                       << std::endl;
    }
    ++writeCounter;
}

void VXVXCStanceData::endWrite()
{
}

int VXVXCStanceData::linesRemaining()
{
    return static_cast<int>(orientations.size()) - writeCounter - 1;
}

VXPose* VXVXCStanceData::buildPose(const VXVXSSkeletonData& skeleton)
{
    const int count = static_cast<int>(orientations.size());
    // Sized for the whole skeleton, so a stance that names fewer bones than
    // its skeleton still gives every bone an entry.
    VXPose* pose = new VXPose(count > skeleton.boneCount ? count : skeleton.boneCount);
    boneIndices.resize(count);
    for (int i = 0; i < count; ++i) {
        boneIndices[i] = skeleton.boneIndexOf(orientations[i].boneName);
    }
    for (int i = 0; i < count; ++i) {
        pose->setOrientation(boneIndices[i], orientations[i].orientation);
    }
    return pose;
}

#ifndef ENGINE_ANIMATION_VXVXCSTANCEDATA_H
#define ENGINE_ANIMATION_VXVXCSTANCEDATA_H

#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"
#include "engine/text/VXTextFileStreamReader.h"
#include "engine/text/VXTextFileStreamWriter.h"

#include <string>
#include <vector>

class VXPose;
class VXVXSSkeletonData;

// One bone of a stance: its angles as read and the rotation they make.
struct VXBoneOrientation {
    std::string boneName;
    VXQuat orientation;   // identity until an "Orientation:" line sets it
    VXVec4 eulerDegrees;  // (0, 0, 0, 1) until set

    VXBoneOrientation();
};

// The three angles of an orientation line ("10 20 30" or "(10, 20, 30)"),
// in degrees, with w = 1.
VXVec4 parseOrientation(std::string text);

// Turns about y by the first angle, about x by the second and about y again by
// the third (not about z): the stance files are authored for this convention.
VXQuat eulerToQuaternion(const VXVec4& degrees);

// "(a0, a1, a2)"
std::string eulerToText(const VXVec4& degrees);

// A ".vxc" stance: one key pose of a skeleton, bones matched by name.
class VXVXCStanceData : public VXTextFileStreamReader, public VXTextFileStreamWriter {
public:
    std::vector<VXBoneOrientation> orientations;
    // For each orientation, the skeleton bone it drives; its own position in
    // the file until buildPose runs.
    std::vector<int> boneIndices;
    int currentBone;
    int writeCounter;

    VXVXCStanceData();
    // Stance sets keep stances by value; the file streams are not copied.
    VXVXCStanceData(const VXVXCStanceData& other);
    VXVXCStanceData& operator=(const VXVXCStanceData& other);

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;
    void print(std::string prefix) override;
    void endParse() override;

    void beginWrite(std::string path) override;
    void writeLine() override;
    void endWrite() override;
    int linesRemaining() override;

    // A new pose (owned by the caller) with one entry per bone of `skeleton`
    // (at least one per orientation); bones the stance does not name keep the
    // identity, a name the skeleton lacks drives bone 0.
    VXPose* buildPose(const VXVXSSkeletonData& skeleton);
};

#endif

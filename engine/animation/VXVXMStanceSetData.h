#ifndef ENGINE_ANIMATION_VXVXMSTANCESETDATA_H
#define ENGINE_ANIMATION_VXVXMSTANCESETDATA_H

#include "engine/animation/VXVXCStanceData.h"
#include "engine/text/VXFilePath.h"
#include "engine/text/VXTextFileStreamReader.h"
#include "engine/text/VXTextFileStreamWriter.h"

#include <string>
#include <vector>

class VXPose;
class VXStanceTrack;
class VXVXSSkeletonData;

// One key pose of a stance set and the speed at which it leads to the next.
class VXStanceEntry {
public:
    VXVXCStanceData stance;
    int frameId;
    VXPose* pose;          // built when the set finishes reading; owned by the entry
    float movementSpeed;   // updates to reach the next key pose: the step is 1 / speed

    VXStanceEntry();
    ~VXStanceEntry();
    VXStanceEntry(const VXStanceEntry& other);
    VXStanceEntry& operator=(const VXStanceEntry& other);
};

// A ".vxm" stance set: one animation, read from and written to text.
class VXVXMStanceSetData : public VXTextFileStreamReader, public VXTextFileStreamWriter {
public:
    enum MovementType { None = 0, Reflexive = 1, Recursive = 2, ReflexiveRecursive = 3 };

    std::vector<VXStanceEntry> entries;
    int movementType;
    VXFilePath path;
    const VXVXSSkeletonData* skeleton;  // the bones the poses are built for
    int currentEntry;
    int writeCounter;

    VXVXMStanceSetData();
    // Copies the entries, the movement type and the skeleton.
    VXVXMStanceSetData(const VXVXMStanceSetData& other);
    VXVXMStanceSetData& operator=(const VXVXMStanceSetData& other);

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;
    void endParse() override;

    void beginWrite(std::string path) override;
    void writeLine() override;
    void endWrite() override;
    int linesRemaining() override;

    // A fresh track of the set's poses, reset; the caller owns it. A set
    // without entries gives a one-frame track of the identity pose.
    VXStanceTrack* buildTrack() const;
};

#endif

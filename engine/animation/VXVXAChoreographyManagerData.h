#ifndef ENGINE_ANIMATION_VXVXACHOREOGRAPHYMANAGERDATA_H
#define ENGINE_ANIMATION_VXVXACHOREOGRAPHYMANAGERDATA_H

#include "engine/animation/VXVXMStanceSetData.h"
#include "engine/text/VXFilePath.h"
#include "engine/text/VXTextFileStreamReader.h"

#include <map>
#include <string>
#include <vector>

class VXChoreography;
class VXVXSSkeletonData;

// One animation of a choreography with its priority and successor.
struct VXStanceSetEntry {
    std::string name;
    VXVXMStanceSetData set;
    std::string nextName;
    int priority;

    VXStanceSetEntry();
};

// A ".vxa" choreography: the stance sets of one kind of character.
class VXVXAChoreographyManagerData : public VXTextFileStreamReader {
public:
    std::vector<VXStanceSetEntry> entries;
    // A name that no "Stance_Set:" line defined is entered with set 0.
    std::map<std::string, int> indexByName;
    int startIndex;
    VXFilePath path;
    const VXVXSSkeletonData* skeleton;  // set by the owner before reading
    int currentEntry;

    VXVXAChoreographyManagerData();

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;

    // The set number that VXSkeleton::requestStance takes; 0 for an unknown name.
    int indexOf(std::string name);
    // One fresh track per set, linked to its successors; the caller owns it.
    VXChoreography* buildChoreography();
};

#endif

#include "engine/animation/VXVXMStanceSetData.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXStanceTrack.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

#include <iostream>

namespace {

// Stands in for the pose of a set without entries; every bone that a pose
// has no entry for is turned to the identity (VXSkeleton::interpolatePose).
VXPose* emptyPose()
{
    static VXPose pose(0);
    return &pose;
}

// A speed that is not positive would never reach the next pose (or divide by
// zero); such a gap is crossed in one update.
float stepOf(float movementSpeed)
{
    if (!(movementSpeed > 0.0f)) {
        return 1.0f;
    }
    return static_cast<float>(1.0 / movementSpeed);
}

// The pose in the stance's file order, for a set read without a skeleton.
VXPose* poseInFileOrder(const VXVXCStanceData& stance)
{
    VXPose* pose = new VXPose(static_cast<int>(stance.orientations.size()));
    for (size_t i = 0; i < stance.orientations.size(); ++i) {
        pose->setOrientation(static_cast<int>(i), stance.orientations[i].orientation);
    }
    return pose;
}

} // namespace

VXStanceEntry::VXStanceEntry()
    : stance()
    , frameId(0)
    , pose(nullptr)
    , movementSpeed(10.0f)
{
}

VXStanceEntry::~VXStanceEntry()
{
    delete pose;
}

VXStanceEntry::VXStanceEntry(const VXStanceEntry& other)
    : stance(other.stance)
    , frameId(other.frameId)
    , pose(other.pose != nullptr ? new VXPose(*other.pose) : nullptr)
    , movementSpeed(other.movementSpeed)
{
}

VXStanceEntry& VXStanceEntry::operator=(const VXStanceEntry& other)
{
    if (this == &other) {
        return *this;
    }
    VXPose* copy = other.pose != nullptr ? new VXPose(*other.pose) : nullptr;
    delete pose;
    pose = copy;
    stance = other.stance;
    frameId = other.frameId;
    movementSpeed = other.movementSpeed;
    return *this;
}

VXVXMStanceSetData::VXVXMStanceSetData()
    : movementType(None)
    , skeleton(nullptr)
    , currentEntry(-1)
    , writeCounter(0)
{
}

VXVXMStanceSetData::VXVXMStanceSetData(const VXVXMStanceSetData& other)
    : VXTextFileStreamReader()
    , VXTextFileStreamWriter()
    , entries(other.entries)
    , movementType(other.movementType)
    , skeleton(other.skeleton)
    , currentEntry(-1)
    , writeCounter(0)
{
}

VXVXMStanceSetData& VXVXMStanceSetData::operator=(const VXVXMStanceSetData& other)
{
    entries = other.entries;
    movementType = other.movementType;
    skeleton = other.skeleton;
    return *this;
}

void VXVXMStanceSetData::beginParse(std::string filePath)
{
    path.set(filePath);
    currentEntry = -1;
}

void VXVXMStanceSetData::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&stanceSetCharacterClasses);
    tokenizer.setText(&line);
    const std::string keyword = tokenizer.nextToken();
    if (keyword == "Stance:") {
        ++currentEntry;
        entries.push_back(VXStanceEntry());
        return;
    }
    if (keyword == "Movement_Type:") {
        const std::string type = tokenizer.nextToken();
        if (type == "Reflexive") {
            movementType = Reflexive;
        } else if (type == "Recursive") {
            movementType = Recursive;
        } else if (type == "Reflexive_Recursive") {
            movementType = ReflexiveRecursive;
        } else {
            movementType = None;
        }
        return;
    }
    // The remaining keywords fill the entry opened by the last "Stance:" line.
    if (currentEntry < 0 || currentEntry >= static_cast<int>(entries.size())) {
        return;
    }
    VXStanceEntry& entry = entries[currentEntry];
    if (keyword == "Stance_File_Path:") {
        entry.stance.parseFile(path.directory + tokenizer.restOfLine());
    } else if (keyword == "Movement_Speed:") {
        entry.movementSpeed = parseFloat(tokenizer.nextToken());
    } else if (keyword == "Frame_Identifier: ") {
        // A word never ends in a blank, so this never matches; files that
        // carry such lines have always read with frame id 0.
        entry.frameId = parseInt(tokenizer.nextToken());
    }
}

void VXVXMStanceSetData::endParse()
{
    for (VXStanceEntry& entry : entries) {
        delete entry.pose;
        if (skeleton != nullptr) {
            entry.pose = entry.stance.buildPose(*skeleton);
        } else {
            entry.pose = poseInFileOrder(entry.stance);
        }
    }
}

void VXVXMStanceSetData::beginWrite(std::string filePath)
{
    writeCounter = 0;
    path.set(filePath);
}

void VXVXMStanceSetData::writeLine()
{
    const int count = static_cast<int>(entries.size());
    std::fstream& out = VXTextFileStreamWriter::stream;
    if (writeCounter >= 0 && writeCounter < count) {
        VXStanceEntry& entry = entries[writeCounter];
        const std::string fileName = path.baseName + "_Stance_" + intToString(writeCounter) + ".vxc";
        out << "Stance: " << std::endl;
        out << "\tStance_File_Path: " << fileName << std::endl;
        out << "\tMovement_Speed: " << entry.movementSpeed << std::endl;
        entry.stance.writeFile(path.directory + fileName);
    } else if (writeCounter == count) {
        switch (movementType) {
        case Reflexive:
            out << "Movement_Type: Reflexive" << std::endl;
            break;
        case Recursive:
            out << "Movement_Type: Recursive" << std::endl;
            break;
        case ReflexiveRecursive:
            out << "Movement_Type: Reflexive_Recursive" << std::endl;
            break;
        default:
            out << "Movement_Type: None" << std::endl;
            break;
        }
    }
    ++writeCounter;
}

void VXVXMStanceSetData::endWrite()
{
}

int VXVXMStanceSetData::linesRemaining()
{
    return static_cast<int>(entries.size()) - writeCounter;
}

VXStanceTrack* VXVXMStanceSetData::buildTrack() const
{
    if (entries.empty()) {
        VXStanceTrack* track = new VXStanceTrack(emptyPose(), 0);
        track->reset();
        return track;
    }
    auto poseOf = [](const VXStanceEntry& entry) {
        return entry.pose != nullptr ? entry.pose : emptyPose();
    };
    VXStanceTrack* track = new VXStanceTrack(poseOf(entries[0]), entries[0].frameId);
    for (size_t i = 1; i < entries.size(); ++i) {
        track->append(poseOf(entries[i]), stepOf(entries[i - 1].movementSpeed), entries[i].frameId);
    }
    if (movementType == Reflexive) {
        track->makeReflexive();
    } else if (movementType == Recursive) {
        track->makeRecursive();
    } else if (movementType == ReflexiveRecursive) {
        track->makeReflexive();
        track->makeRecursive();
    }
    track->reset();
    return track;
}

#include "engine/animation/VXVXAChoreographyManagerData.h"

#include "engine/animation/VXChoreography.h"
#include "engine/animation/VXStanceTrack.h"
#include "engine/core/VXLog.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

VXStanceSetEntry::VXStanceSetEntry()
    : name("NULL")
    , set()
    , nextName("NULL")
    , priority(0)
{
}

VXVXAChoreographyManagerData::VXVXAChoreographyManagerData()
    : startIndex(0)
    , skeleton(nullptr)
    , currentEntry(-1)
{
}

void VXVXAChoreographyManagerData::beginParse(std::string filePath)
{
    entries.clear();
    indexByName.clear();
    path.set(filePath);
    startIndex = 0;
    currentEntry = -1;
}

void VXVXAChoreographyManagerData::parseLine(std::string line)
{
    std::string text = line;
    VXTokenizer tokenizer;
    tokenizer.setTable(&choreographyCharacterClasses);
    tokenizer.setText(&text);
    const std::string keyword = tokenizer.nextToken();
    if (keyword == "Stance_Set:") {
        const std::string name = tokenizer.nextToken();
        ++currentEntry;
        entries.push_back(VXStanceSetEntry());
        VXStanceSetEntry& entry = entries.back();
        entry.name = name;
        entry.set.skeleton = skeleton;
        indexByName[name] = currentEntry;
        return;
    }
    if (keyword == "Starting_Stance_Set:") {
        startIndex = indexByName[tokenizer.nextToken()];
        return;
    }
    const bool entryLine = keyword == "File_Path:" || keyword == "Next_Stance:" || keyword == "Stance_Priority:";
    if (!entryLine) {
        VXLog() << line;
        return;
    }
    // Entry lines before the first "Stance_Set:" line have no set to fill.
    if (currentEntry < 0 || currentEntry >= static_cast<int>(entries.size())) {
        return;
    }
    VXStanceSetEntry& entry = entries[currentEntry];
    if (keyword == "File_Path:") {
        entry.set.parseFile(path.directory + tokenizer.restOfLine());
    } else if (keyword == "Next_Stance:") {
        entry.nextName = tokenizer.nextToken();
    } else {
        entry.priority = parseInt(tokenizer.nextToken());
    }
}

int VXVXAChoreographyManagerData::indexOf(std::string name)
{
    return indexByName[name];
}

VXChoreography* VXVXAChoreographyManagerData::buildChoreography()
{
    VXChoreography* choreography = new VXChoreography();
    const int count = static_cast<int>(entries.size());
    choreography->tracks.assign(count, nullptr);
    for (int i = 0; i < count; ++i) {
        VXStanceTrack* track = entries[i].set.buildTrack();
        track->reset();
        choreography->tracks[i] = track;
        track->index = i;
        track->priority = entries[i].priority;
    }
    for (int i = 0; i < count; ++i) {
        if (choreography->tracks[i]->next != nullptr) {
            continue;
        }
        const int following = indexByName[entries[i].nextName];
        if (following >= 0 && following < count) {
            choreography->tracks[i]->next = choreography->tracks[following];
        }
    }
    if (startIndex >= 0 && startIndex < count) {
        choreography->current = choreography->tracks[startIndex];
    }
    return choreography;
}

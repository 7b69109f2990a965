#include "ShippedLevel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/core/VXLog.h"
#include "engine/text/VXTokenizer.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelReader.h"
#include "game/objects/KTGameObject.h"
#include "game/start/KTAssetLoaders.h"
#include "game/start/KTAssets.h"

namespace {

const char* const LevelListPath = "Data/Level List.txt";
const float WorldSide = 600.0f;

// The game's level script reader, noting each line it carries out and what
// that line made. Loop bodies pass through parseLine as well, so a line's own
// objects are those no line it ran has claimed.
class RecordingReader : public KTLevelFileReader {
public:
    RecordingReader(KTLevelWorld* world, std::vector<ScriptLineRun>& runs) : runs(runs)
    {
        levelWorld = world;
        height = 0;
    }

    void parseLine(std::string line) override
    {
        KTLevelWorld& world = *levelWorld;
        KTMainCharacter& player = *world.player;
        const size_t index = runs.size();
        runs.emplace_back();
        runs[index].text = line;
        runs[index].words = wordsOf(line);
        runs[index].loopBody = depth > 0;
        const int firstId = world.nextId;
        const size_t firstSign = world.helpSigns.size();
        const int placementsBefore = placements;
        // A placement assigns a whole position, and assignment sets w to 1.
        const float wBefore = player.position.w();
        player.position.w() = 0.0f;

        ++depth;
        KTLevelFileReader::parseLine(line);
        --depth;

        ScriptLineRun& run = runs[index];
        if (player.position.w() == 0.0f) {
            player.position.w() = wBefore;
        } else if (placements == placementsBefore) {
            run.placedPlayer = true;
            ++placements;
        }
        for (auto it = world.objectMap.lower_bound(firstId); it != world.objectMap.end(); ++it) {
            if (claimedObjects.insert(it->first).second) {
                run.made.push_back(it->second);
            }
        }
        run.effects = (world.nextId - firstId) + static_cast<int>(world.helpSigns.size() - firstSign) +
                      (placements - placementsBefore);
    }

private:
    std::vector<ScriptLineRun>& runs;
    int depth = 0;
    int placements = 0;
    std::set<int> claimedObjects;

    std::vector<std::string> wordsOf(std::string line) const
    {
        VXTokenizer tokenizer;
        tokenizer.setTable(&characterClasses);
        tokenizer.setText(&line);
        std::vector<std::string> words;
        for (std::string word = tokenizer.nextToken(); !word.empty(); word = tokenizer.nextToken()) {
            words.push_back(word);
        }
        return words;
    }
};

} // namespace

std::vector<std::string> shippedLevelNames()
{
    KTLevelReader list;
    {
        VXLogCapture quiet;
        list.parseFile(LevelListPath);
    }
    return list.fileNames;
}

const std::string& ScriptLineRun::command() const
{
    static const std::string none;
    return words.empty() ? none : words.front();
}

ShippedLevel::ShippedLevel(const std::string& path)
    : helpImageStandIns(KT_HELP_IMAGE_COUNT), world(new KTLevelWorld(nullptr))
{
    createParticleManager();
    physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(WorldSide, WorldSide, WorldSide, 1)}, VXVec4(0, -0.3f, 0, 1));
    world->init(&physics, KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z, &player, path);
    player.position = VXVec4(-1000, -1000, -1000, 1);
    world->addObject(&player);
    delete world->scriptReader;
    world->scriptReader = new RecordingReader(world.get(), lines);

    std::map<std::string, VXTexture*> loadedImages;
    loadedImages.swap(assets().helpImages);
    for (int i = 0; i < KT_HELP_IMAGE_COUNT; ++i) {
        assets().helpImages[helpImageName(i)] = &helpImageStandIns[static_cast<size_t>(i)];
    }
    VXLogCapture logged;
    world->scriptReader->parseFile(path);
    output = logged.text();
    assets().helpImages.swap(loadedImages);
}

std::string ShippedLevel::signName(size_t index) const
{
    const VXTexture* image = world->helpSigns.at(index).texture;
    for (size_t i = 0; i < helpImageStandIns.size(); ++i) {
        if (image == &helpImageStandIns[i]) {
            return helpImageName(static_cast<int>(i));
        }
    }
    return "";
}

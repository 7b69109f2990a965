#include "EnemyWorld.h"
#include "engine/core/VXLog.h"

#include <unistd.h>

#include <climits>
#include <sstream>

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "game/start/KTAssets.h"

namespace {

struct StanceSet {
    const char* name;
    int priority;
    // Empty: the set loops.
    const char* next;
};

const StanceSet FortressSets[] = {
    {"Stand", 1, ""},       {"Attack1", 3, "Stand"}, {"Attack2", 3, "Stand"},
    {"Death", 7, "Dead"},   {"Dead", 7, ""},         {"Pain", 5, "Stand"},
    {"Walk", 1, ""},        {"StandToWalk", 1, "Walk"}, {"WalkToStand", 1, "Stand"},
};

const StanceSet PrismaticSets[] = {
    {"Stand", 1, ""},          {"Spawn", 1, ""},         {"SpawnToStand", 1, "Stand"},
    {"Attack", 3, "FlightAttack"}, {"FlightAttack", 3, ""}, {"AttackReturn", 3, "Stand"},
    {"Death", 7, "Dead"},      {"Dead", 7, ""},          {"Pain", 5, "Stand"},
    {"Walk", 1, ""},           {"StandToWalk", 1, "Walk"}, {"WalkToStand", 1, "Stand"},
};

const StanceSet BossSets[] = {
    {"Stand", 1, ""},          {"Attack1", 3, "Stand"},     {"Attack2", 3, "Stand"},
    {"Attack3", 3, "Stand"},   {"StandToLaser", 3, "Laser"}, {"Laser", 3, ""},
    {"LaserToStand", 3, "Stand"}, {"Death", 7, "Dead"},      {"Dead", 7, ""},
    {"Pain", 5, "Stand"},      {"Walk", 1, ""},             {"StandToWalk", 1, "Walk"},
    {"WalkToStand", 1, "Stand"},
};

template <size_t N>
std::string choreography(const StanceSet (&sets)[N], const char* start)
{
    std::ostringstream text;
    for (const StanceSet& set : sets) {
        const bool loops = set.next[0] == '\0';
        text << "Stance_Set: " << set.name << "\n\tFile_Path: " << (loops ? "loop.vxm" : "once.vxm") << "\n";
        if (!loops) {
            text << "\tNext_Stance: " << set.next << "\n";
        }
        text << "\tStance_Priority: " << set.priority << "\n";
    }
    text << "Starting_Stance_Set: " << start << "\n";
    return text.str();
}

void writeCharacter(const TempDir& directory, const std::string& name, const std::string& sets)
{
    directory.write(name + "/" + name + ".ktc",
                    "Bone: Body\n\tModel_Name: Null\n\tTranslation: 0 0 0\nAnchor_Bone: Body\n");
    directory.write(name + "/rest.vxc", "Bone: Body\n\tOrientation: 0 0 0\n");
    std::ostringstream once;
    once << "Stance:\n\tStance_File_Path: rest.vxc\n\tMovement_Speed: " << EnemyWorldTest::OneShotUpdates
         << "\nStance:\n\tStance_File_Path: rest.vxc\n";
    directory.write(name + "/once.vxm", once.str());
    directory.write(name + "/loop.vxm", once.str() + "Movement_Type: Recursive\n");
    directory.write(name + "/" + name + ".vxa", sets);
}

void load(KTCharacterAssets& character, const std::string& name)
{
    character.skeleton = new VXVXSSkeletonData();
    character.skeleton->parseFile(name + "\\" + name + ".ktc");
    character.choreography = new VXVXAChoreographyManagerData();
    character.choreography->skeleton = character.skeleton;
    character.choreography->parseFile(name + "\\" + name + ".vxa");
}

void release(KTCharacterAssets& character)
{
    delete character.choreography;
    delete character.skeleton;
    character.choreography = nullptr;
    character.skeleton = nullptr;
}

} // namespace

EnemyWorldTest::EnemyWorldTest()
{
    writeCharacter(directory, "Fortress", choreography(FortressSets, "Stand"));
    writeCharacter(directory, "Prismatic", choreography(PrismaticSets, "Spawn"));
    writeCharacter(directory, "Boss", choreography(BossSets, "Stand"));
    char previous[PATH_MAX];
    if (getcwd(previous, sizeof previous) == nullptr || chdir(directory.path().c_str()) != 0) {
        ADD_FAILURE() << "cannot enter " << directory.path();
        return;
    }
    {
        VXLogCapture quiet;
        load(assets().fortressEnemy, "Fortress");
        load(assets().prismaticEnemy, "Prismatic");
        load(assets().finalBoss, "Boss");
    }
    EXPECT_EQ(chdir(previous), 0);
}

EnemyWorldTest::~EnemyWorldTest()
{
    // The enemies' skeletons go with the world, before the data they came from.
    world.reset();
    release(assets().fortressEnemy);
    release(assets().prismaticEnemy);
    release(assets().finalBoss);
}

int EnemyWorldTest::stance(const KTCharacterAssets& character, const std::string& name)
{
    return character.choreography->indexOf(name);
}

void EnemyWorldTest::bringTo(VXSkeleton* skeleton, int stance)
{
    ASSERT_NE(skeleton, nullptr);
    skeleton->requestStance(stance);
    for (int i = 0; i < 10 * OneShotUpdates && skeleton->currentStance() != stance; ++i) {
        skeleton->advanceStance();
    }
    ASSERT_EQ(skeleton->currentStance(), stance);
}

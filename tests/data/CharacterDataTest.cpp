#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "GameFiles.h"
#include "engine/animation/VXPose.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/core/VXLog.h"
#include "engine/math/VXQuat.h"
#include "engine/model/VXOBJData.h"
#include "support/TestWindow.h"

namespace {

struct ExpectedCharacter {
    std::string name;
    int boneCount;                  // 0: the character's own choice
    std::vector<std::string> sets;  // every name the game looks up
    std::string start;
};

const std::vector<ExpectedCharacter> CHARACTERS = {
    {"MainCharacter", 13,
     {"Stand", "Attack1", "Attack2", "AttackFlight1", "AttackFlight2", "AttackRun1", "AttackRun2", "Death",
      "DeadStand", "DeathWalk", "DeadWalk", "DeathFlight", "DeathFall", "LandDeath", "DeadLand", "Jump", "Flight",
      "Land", "Pain", "PainFlight", "PainWalk", "Walk", "StandToWalk", "WalkToStand", "StandToFlight", "CrankDat"},
     "Stand"},
    {"FortressEnemy", 0,
     {"Stand", "Attack1", "Attack2", "Death", "Dead", "Pain", "Walk", "StandToWalk", "WalkToStand"}, "Stand"},
    {"PrismaticEnemy", 0,
     {"Stand", "Spawn", "SpawnToStand", "Attack", "FlightAttack", "AttackReturn", "Death", "Dead", "Pain", "Walk",
      "StandToWalk", "WalkToStand"},
     "Spawn"},
    {"FinalBoss", 0,
     {"Stand", "Attack1", "Attack2", "Attack3", "StandToLaser", "Laser", "LaserToStand", "Death", "Dead", "Pain",
      "Walk", "StandToWalk", "WalkToStand"},
     "Stand"},
};

std::string skeletonPath(const std::string& name)
{
    return "Data\\Character\\" + name + "\\" + name + ".ktc";
}

std::string choreographyPath(const std::string& name)
{
    return "Data\\Character\\" + name + "\\Choreography\\" + name + "Choreography.vxa";
}

struct CharacterData {
    VXVXSSkeletonData* skeleton = nullptr;
    VXVXAChoreographyManagerData* choreography = nullptr;
    std::string output;  // what the readers printed beyond their own lines
};

bool loops(const VXStanceSetEntry& entry)
{
    return entry.set.movementType == VXVXMStanceSetData::Recursive
        || entry.set.movementType == VXVXMStanceSetData::ReflexiveRecursive;
}

// One skeleton instance of a character, played update by update.
class Animated {
public:
    explicit Animated(const CharacterData& data)
        : choreography(data.choreography), skeleton(VXSkeleton::create(*data.skeleton, *data.choreography))
    {
    }
    ~Animated() { delete skeleton; }

    std::string current() const { return choreography->entries[skeleton->currentStance()].name; }

    void request(const std::string& name)
    {
        ASSERT_EQ(choreography->indexByName.count(name), 1u) << name;
        skeleton->requestStance(choreography->indexByName.at(name));
    }

    // Updates until `name` plays; the number of updates, or -1 past `limit`.
    int until(const std::string& name, int limit)
    {
        for (int n = 1; n <= limit; ++n) {
            skeleton->advanceStance();
            if (current() == name) {
                return n;
            }
        }
        return -1;
    }

    // Updates while the current set plays on: its length from here.
    int whilePlaying(int limit)
    {
        const std::string name = current();
        for (int n = 1; n <= limit; ++n) {
            skeleton->advanceStance();
            if (current() != name) {
                return n;
            }
        }
        return -1;
    }

    void advance(int updates)
    {
        for (int n = 0; n < updates; ++n) {
            skeleton->advanceStance();
        }
    }

private:
    VXVXAChoreographyManagerData* choreography;
    VXSkeleton* skeleton;
};

class CharacterDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(openTestWindow());
        for (const ExpectedCharacter& expected : CHARACTERS) {
            CharacterData data;
            data.skeleton = new VXVXSSkeletonData();
            data.choreography = new VXVXAChoreographyManagerData();
            data.choreography->skeleton = data.skeleton;
            VXLogCapture logged;
            data.skeleton->parseFile(skeletonPath(expected.name));
            data.choreography->parseFile(choreographyPath(expected.name));
            data.output = unexpectedOutput(logged.text());
            characters()[expected.name] = data;
        }
    }

    static std::map<std::string, CharacterData>& characters()
    {
        // Kept for the process, as the game keeps them, and never destroyed.
        static auto* loaded = new std::map<std::string, CharacterData>();
        return *loaded;
    }

    static const CharacterData& character(const std::string& name) { return characters().at(name); }
};

} // namespace

TEST_F(CharacterDataTest, FilesTheStartUpOpensAreThereAndReadWithoutEchoes)
{
    for (const ExpectedCharacter& expected : CHARACTERS) {
        expectExactFile(skeletonPath(expected.name));
        expectExactFile(choreographyPath(expected.name));
        EXPECT_EQ(character(expected.name).output, "") << expected.name << ": unknown lines or files that did not open";
        // Their readers echo an empty last line: the files end without a line end.
        for (const std::string& path : {skeletonPath(expected.name), choreographyPath(expected.name)}) {
            const std::string text = readGameFile(path);
            ASSERT_FALSE(text.empty()) << path;
            EXPECT_NE(text.back(), '\n') << path;
            EXPECT_EQ(text.find('\r'), std::string::npos) << path;
        }
    }
}

TEST_F(CharacterDataTest, SkeletonsAreTreesOfModelledBones)
{
    for (const ExpectedCharacter& expected : CHARACTERS) {
        const VXVXSSkeletonData& s = *character(expected.name).skeleton;
        if (expected.boneCount > 0) {
            EXPECT_EQ(s.boneCount, expected.boneCount) << expected.name;
        }
        ASSERT_GT(s.boneCount, 1) << expected.name;
        ASSERT_EQ(static_cast<int>(s.bones.size()), s.boneCount);
        ASSERT_GE(s.anchorBone, 0) << expected.name;
        ASSERT_LT(s.anchorBone, s.boneCount) << expected.name;

        std::set<std::string> names;
        for (const VXBoneData& bone : s.bones) {
            EXPECT_TRUE(names.insert(bone.name).second) << expected.name << ": " << bone.name << " twice";
            ASSERT_NE(bone.model, nullptr) << expected.name << ": " << bone.name << " has no model";
            EXPECT_GT(bone.model->vertexCount, 0) << expected.name << ": " << bone.name;
        }
        std::vector<int> parents(s.boneCount, -1);
        std::vector<std::vector<int>> children(s.boneCount);
        for (const VXBoneRelation& r : s.relations) {
            ASSERT_TRUE(r.parent >= 0 && r.parent < s.boneCount && r.child >= 0 && r.child < s.boneCount);
            EXPECT_EQ(parents[r.child], -1) << expected.name << ": " << s.bones[r.child].name << " has two parents";
            parents[r.child] = r.parent;
            children[r.parent].push_back(r.child);
        }
        EXPECT_EQ(parents[s.anchorBone], -1) << expected.name << ": the anchor has a parent";
        std::vector<bool> reached(s.boneCount, false);
        std::vector<int> open = {s.anchorBone};
        while (!open.empty()) {
            const int bone = open.back();
            open.pop_back();
            ASSERT_FALSE(reached[bone]) << expected.name << ": a cycle";
            reached[bone] = true;
            open.insert(open.end(), children[bone].begin(), children[bone].end());
        }
        for (int i = 0; i < s.boneCount; ++i) {
            EXPECT_TRUE(reached[i]) << expected.name << ": " << s.bones[i].name << " hangs from no bone";
        }
    }
}

TEST_F(CharacterDataTest, ChoreographiesHoldEveryNameTheGameAsksForOnce)
{
    for (const ExpectedCharacter& expected : CHARACTERS) {
        const VXVXAChoreographyManagerData& c = *character(expected.name).choreography;
        ASSERT_EQ(c.entries.size(), expected.sets.size()) << expected.name;
        EXPECT_EQ(c.entries[0].name, "Stand") << expected.name << ": set 0 is the fallback for unknown names";
        std::set<std::string> seen;
        for (const VXStanceSetEntry& entry : c.entries) {
            EXPECT_TRUE(seen.insert(entry.name).second) << expected.name << ": " << entry.name << " twice";
        }
        for (const std::string& name : expected.sets) {
            ASSERT_EQ(c.indexByName.count(name), 1u) << expected.name << ": no set " << name;
            EXPECT_EQ(c.entries[c.indexByName.at(name)].name, name);
        }
        EXPECT_EQ(c.entries[c.startIndex].name, expected.start) << expected.name;
    }
}

// A pose reads one orientation per skeleton bone, matched by name: every
// stance names each bone once and no other.
TEST_F(CharacterDataTest, EveryStanceListsExactlyItsSkeletonsBones)
{
    for (const ExpectedCharacter& expected : CHARACTERS) {
        const CharacterData& data = character(expected.name);
        std::set<std::string> bones;
        for (const VXBoneData& bone : data.skeleton->bones) {
            bones.insert(bone.name);
        }
        for (const VXStanceSetEntry& entry : data.choreography->entries) {
            const std::string where = expected.name + " " + entry.name;
            ASSERT_GE(entry.set.entries.size(), 2u) << where << ": a set needs a way from one pose to the next";
            for (const VXStanceEntry& stance : entry.set.entries) {
                EXPECT_GT(stance.movementSpeed, 0.0f) << where;
                std::multiset<std::string> named;
                for (const VXBoneOrientation& o : stance.stance.orientations) {
                    named.insert(o.boneName);
                }
                EXPECT_EQ(named.size(), bones.size()) << where;
                EXPECT_EQ(std::set<std::string>(named.begin(), named.end()), bones) << where;
            }
        }
    }
}

// The skeleton blends two key poses without turning either quaternion round,
// so quaternions pointing apart would swing a bone the long way round, more
// than half a turn: every blend between consecutive stances must be the
// short one.
TEST_F(CharacterDataTest, BlendsBetweenKeyPosesTurnEveryBoneTheShortWay)
{
    for (const ExpectedCharacter& expected : CHARACTERS) {
        const CharacterData& data = character(expected.name);
        for (const VXStanceSetEntry& entry : data.choreography->entries) {
            const std::vector<VXStanceEntry>& frames = entry.set.entries;
            for (size_t i = 0; i + 1 < frames.size(); ++i) {
                ASSERT_NE(frames[i].pose, nullptr);
                ASSERT_NE(frames[i + 1].pose, nullptr);
                ASSERT_EQ(static_cast<int>(frames[i].pose->size()), data.skeleton->boneCount);
                for (int b = 0; b < data.skeleton->boneCount; ++b) {
                    EXPECT_GE(VXQuat::dot((*frames[i].pose)[b], (*frames[i + 1].pose)[b]), -1e-5f)
                        << expected.name << " " << entry.name << " frame " << i << " bone "
                        << data.skeleton->bones[b].name;
                }
            }
        }
    }
}

TEST_F(CharacterDataTest, SetsHandOverAsTheGameExpects)
{
    struct Link {
        const char* character;
        const char* from;
        const char* to;  // nullptr: the set loops
    };
    const Link links[] = {
        {"MainCharacter", "Stand", nullptr},        {"MainCharacter", "Walk", nullptr},
        {"MainCharacter", "Flight", nullptr},       {"MainCharacter", "Death", "DeadStand"},
        {"MainCharacter", "DeadStand", nullptr},    {"MainCharacter", "DeathWalk", "DeadWalk"},
        {"MainCharacter", "DeadWalk", nullptr},     {"MainCharacter", "DeathFlight", "DeathFall"},
        {"MainCharacter", "DeathFall", nullptr},    {"MainCharacter", "LandDeath", "DeadLand"},
        {"MainCharacter", "DeadLand", nullptr},     {"MainCharacter", "StandToWalk", "Walk"},
        {"MainCharacter", "WalkToStand", "Stand"},  {"MainCharacter", "StandToFlight", "Flight"},
        {"MainCharacter", "Jump", "Flight"},        {"MainCharacter", "Land", "Stand"},
        {"MainCharacter", "Attack1", "Attack2"},    {"MainCharacter", "AttackRun1", "AttackRun2"},
        {"MainCharacter", "AttackFlight1", "AttackFlight2"},
        {"MainCharacter", "Pain", "Stand"},         {"MainCharacter", "PainWalk", "Walk"},
        {"MainCharacter", "PainFlight", "Flight"},
        {"FortressEnemy", "Death", "Dead"},         {"FortressEnemy", "Dead", nullptr},
        {"FortressEnemy", "StandToWalk", "Walk"},   {"FortressEnemy", "Walk", nullptr},
        {"FortressEnemy", "Pain", "Stand"},
        {"PrismaticEnemy", "Spawn", nullptr},       {"PrismaticEnemy", "SpawnToStand", "Stand"},
        {"PrismaticEnemy", "Attack", "FlightAttack"}, {"PrismaticEnemy", "FlightAttack", nullptr},
        {"PrismaticEnemy", "AttackReturn", "Stand"}, {"PrismaticEnemy", "Death", "Dead"},
        {"PrismaticEnemy", "Dead", nullptr},        {"PrismaticEnemy", "StandToWalk", "Walk"},
        {"FinalBoss", "StandToLaser", "Laser"},     {"FinalBoss", "Laser", nullptr},
        {"FinalBoss", "LaserToStand", "Stand"},     {"FinalBoss", "Pain", "Stand"},
        {"FinalBoss", "Death", "Dead"},             {"FinalBoss", "Dead", nullptr},
        {"FinalBoss", "StandToWalk", "Walk"},
    };
    for (const Link& link : links) {
        const VXVXAChoreographyManagerData& c = *character(link.character).choreography;
        const VXStanceSetEntry& entry = c.entries[c.indexByName.at(link.from)];
        const std::string where = std::string(link.character) + " " + link.from;
        if (link.to == nullptr) {
            EXPECT_TRUE(loops(entry)) << where << " must loop";
        } else {
            EXPECT_FALSE(loops(entry)) << where << " must end";
            EXPECT_EQ(entry.nextName, link.to) << where;
        }
    }
    // Every set that ends names a set that exists, so nothing falls back to set 0 by accident.
    for (const ExpectedCharacter& expected : CHARACTERS) {
        const VXVXAChoreographyManagerData& c = *character(expected.name).choreography;
        for (const VXStanceSetEntry& entry : c.entries) {
            if (!loops(entry)) {
                EXPECT_EQ(c.indexByName.count(entry.nextName), 1u) << expected.name << " " << entry.name;
            }
        }
    }
}

TEST_F(CharacterDataTest, HeroRequestsTakeEffect)
{
    const CharacterData& data = character("MainCharacter");
    {
        Animated hero(data);
        EXPECT_EQ(hero.current(), "Stand");
        hero.request("Jump");
        EXPECT_EQ(hero.current(), "Jump") << "a jump starts at once";
        EXPECT_GT(hero.until("Flight", 40), 0);
        int updates = 0;
        while (hero.current() != "Land" && updates++ < 40) {
            hero.request("Land");  // asked on every update while the player stands still on the ground
            hero.advance(1);
        }
        EXPECT_EQ(hero.current(), "Land");
        EXPECT_GT(hero.until("Stand", 20), 0);

        hero.request("Attack1");
        EXPECT_EQ(hero.current(), "Attack1") << "firing swings the arm at once";
        EXPECT_GT(hero.until("Attack2", 20), 0);
        EXPECT_GT(hero.until("Stand", 20), 0);

        hero.request("StandToWalk");
        EXPECT_GT(hero.until("StandToWalk", 25), 0) << "walking starts once the idle loop comes round";
        EXPECT_GT(hero.until("Walk", 10), 0);
        hero.request("AttackRun1");
        EXPECT_EQ(hero.current(), "AttackRun1");
        EXPECT_GT(hero.until("Walk", 30), 0);
        hero.request("PainWalk");
        EXPECT_EQ(hero.current(), "PainWalk");
        EXPECT_GT(hero.until("Walk", 20), 0);
        hero.request("WalkToStand");
        EXPECT_GT(hero.until("WalkToStand", 25), 0);
        EXPECT_GT(hero.until("Stand", 15), 0);

        hero.request("StandToFlight");
        EXPECT_GT(hero.until("Flight", 35), 0) << "walking off an edge";
        hero.request("AttackFlight1");
        EXPECT_EQ(hero.current(), "AttackFlight1");
        EXPECT_GT(hero.until("Flight", 30), 0);
        hero.request("PainFlight");
        EXPECT_EQ(hero.current(), "PainFlight");
        EXPECT_GT(hero.until("Flight", 20), 0);
    }
    {
        // A hit that kills: pain, then death at once; pain cannot interrupt a death.
        Animated hero(data);
        hero.request("Pain");
        EXPECT_EQ(hero.current(), "Pain");
        hero.request("Death");
        EXPECT_EQ(hero.current(), "Death");
        hero.request("Pain");
        EXPECT_EQ(hero.current(), "Death");
        const int toLying = hero.until("DeadStand", 150);
        EXPECT_GT(toLying, 0) << "lying before the restart, 150 updates after the death";
        // The dead player may still press jump or fire; the restart then asks
        // for Stand, and the lying player's landing asks for it on every update.
        hero.advance(100 - toLying);
        hero.request("Jump");
        hero.advance(20);
        hero.request("Attack1");
        for (int n = 120; n < 150; ++n) {
            EXPECT_EQ(hero.current(), "DeadStand") << "update " << n << ": the body gets up before the restart";
            hero.advance(1);
        }
        int updates = 0;
        while (hero.current() != "Stand" && updates++ < 30) {
            hero.request("Stand");
            EXPECT_EQ(hero.current(), "DeadStand");
            hero.advance(1);
        }
        EXPECT_EQ(hero.current(), "Stand") << "the restarted player stands up";
    }
    struct Dying {
        const char* from;
        const char* dying;
        const char* lying;
    };
    for (const Dying& d : {Dying{"Walk", "DeathWalk", "DeadWalk"}, Dying{"Stand", "Death", "DeadStand"}}) {
        Animated hero(data);
        if (std::string(d.from) == "Walk") {
            hero.request("StandToWalk");
            ASSERT_GT(hero.until("Walk", 40), 0);
        }
        hero.request(d.dying);
        EXPECT_EQ(hero.current(), d.dying);
        const int n = hero.until(d.lying, 150);
        EXPECT_GT(n, 0) << d.dying;
        EXPECT_LT(n, 150) << d.dying;
    }
    {
        // Killed in the air: falling, then a landing that ends lying down.
        Animated hero(data);
        hero.request("Jump");
        ASSERT_GT(hero.until("Flight", 40), 0);
        hero.request("DeathFlight");
        EXPECT_EQ(hero.current(), "DeathFlight");
        EXPECT_GT(hero.until("DeathFall", 30), 0);
        hero.advance(40);
        EXPECT_EQ(hero.current(), "DeathFall") << "falls until it lands";
        hero.request("LandDeath");
        EXPECT_GT(hero.until("LandDeath", 30), 0);
        EXPECT_GT(hero.until("DeadLand", 30), 0);
        int updates = 0;
        while (hero.current() != "Stand" && updates++ < 120) {
            hero.request("Stand");
            hero.advance(1);
        }
        EXPECT_EQ(hero.current(), "Stand");
    }
}

TEST_F(CharacterDataTest, ShooterStancesMatchItsShotAndDeath)
{
    const CharacterData& data = character("FortressEnemy");
    Animated jackal(data);
    EXPECT_EQ(jackal.current(), "Stand");
    jackal.request("Attack1");
    EXPECT_EQ(jackal.current(), "Attack1");
    const int aim = jackal.whilePlaying(100);
    EXPECT_GE(aim, 50) << "the missile leaves 50 updates after the attack starts";
    EXPECT_LE(aim, 65);
    EXPECT_EQ(jackal.current(), "Attack2");
    EXPECT_GT(jackal.until("Stand", 40), 0);

    jackal.request("Attack1");
    jackal.advance(20);
    jackal.request("Pain");
    EXPECT_EQ(jackal.current(), "Pain") << "a hit interrupts the shot";
    EXPECT_GT(jackal.until("Stand", 30), 0);

    jackal.request("StandToWalk");
    EXPECT_GT(jackal.until("Walk", 50), 0);
    jackal.request("Death");
    EXPECT_EQ(jackal.current(), "Death");
    jackal.request("Pain");
    EXPECT_EQ(jackal.current(), "Death");
    EXPECT_GT(jackal.until("Dead", 60), 0);
    jackal.advance(200);
    EXPECT_EQ(jackal.current(), "Dead") << "the corpse stays, so its pickup drops once";
}

TEST_F(CharacterDataTest, WraithbladeWakesWindsUpLeapsAndRecovers)
{
    const CharacterData& data = character("PrismaticEnemy");
    Animated blade(data);
    EXPECT_EQ(blade.current(), "Spawn");
    blade.advance(100);
    EXPECT_EQ(blade.current(), "Spawn") << "holds its dormant pose";
    blade.request("SpawnToStand");
    EXPECT_GT(blade.until("SpawnToStand", 45), 0);
    EXPECT_GT(blade.until("Stand", 30), 0);
    blade.request("StandToWalk");
    EXPECT_GT(blade.until("Walk", 40), 0);

    blade.request("Attack");
    EXPECT_EQ(blade.current(), "Attack");
    const int windUp = blade.whilePlaying(100);
    EXPECT_GE(windUp, 45) << "the leap comes 50 updates after the wind-up starts";
    EXPECT_LE(windUp, 55);
    EXPECT_EQ(blade.current(), "FlightAttack");
    blade.advance(150);
    EXPECT_EQ(blade.current(), "FlightAttack") << "the leap pose holds until the recovery";
    blade.request("AttackReturn");
    EXPECT_GT(blade.until("AttackReturn", 20), 0);
    EXPECT_GT(blade.until("Stand", 40), 0);

    blade.request("Pain");
    EXPECT_EQ(blade.current(), "Pain");
    EXPECT_GT(blade.until("Stand", 30), 0);
    blade.request("Death");
    EXPECT_GT(blade.until("Dead", 60), 0);
    blade.advance(100);
    EXPECT_EQ(blade.current(), "Dead");
}

TEST_F(CharacterDataTest, ColossusAttacksLastUntilTheirBlowsAndPainEnds)
{
    const CharacterData& data = character("FinalBoss");
    Animated boss(data);
    boss.request("StandToWalk");
    ASSERT_GT(boss.until("Walk", 60), 0);

    boss.request("Attack2");
    EXPECT_EQ(boss.current(), "Attack2");
    EXPECT_GT(boss.whilePlaying(200), 40) << "still swinging when the swing strikes";
    EXPECT_EQ(boss.current(), "Stand");

    boss.request("Attack1");
    EXPECT_EQ(boss.current(), "Attack1");
    EXPECT_GT(boss.whilePlaying(200), 70) << "still crushing when the crush strikes";

    boss.request("Attack3");
    EXPECT_EQ(boss.current(), "Attack3");
    EXPECT_GT(boss.until("Stand", 100), 0);

    boss.request("StandToLaser");
    EXPECT_EQ(boss.current(), "StandToLaser");
    boss.advance(80);
    EXPECT_EQ(boss.current(), "Laser");
    boss.request("LaserToStand");
    EXPECT_GT(boss.until("LaserToStand", 20), 0);
    EXPECT_GT(boss.until("Stand", 40), 0);

    boss.request("Pain");
    EXPECT_EQ(boss.current(), "Pain");
    const int pain = boss.whilePlaying(100);
    EXPECT_GT(pain, 0) << "pain must end, or the boss never attacks again";
    EXPECT_EQ(boss.current(), "Stand");

    boss.request("Death");
    EXPECT_EQ(boss.current(), "Death");
    EXPECT_GT(boss.until("Dead", 100), 0);
    boss.advance(100);
    EXPECT_EQ(boss.current(), "Dead");
}

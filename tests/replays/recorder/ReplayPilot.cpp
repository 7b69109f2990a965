#include "ReplayPilot.h"

#include <cmath>
#include <cstdio>

#include "engine/animation/VXSkeleton.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/QMIntelligence.h"
#include "game/objects/QMZealot.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssets.h"
#include "support/PngFile.h"
#include "support/game/EnemyHitPoints.h"

void ReplayPilot::begin(int level, unsigned int seed)
{
    session.begin(level, seed);
    recording = ReplayKeys();
    recording.level = level;
    recording.seed = seed;
    held.clear();
    wanted.clear();
    releaseNext.clear();
    shownSigns.clear();
}

void ReplayPilot::hold(const std::set<int>& keys)
{
    wanted = keys;
    // A press not yet sent stays for its frame.
    for (int key : releaseNext) {
        wanted.insert(key);
    }
}

void ReplayPilot::press(int key)
{
    wanted.insert(key);
    releaseNext.push_back(key);
}

bool ReplayPilot::tick()
{
    if (over()) {
        return false;
    }
    const int frame = session.frameNumber();
    std::vector<ReplayEvent> events;
    for (int key : held) {
        if (wanted.count(key) == 0) {
            events.push_back(ReplayEvent{frame, false, key});
        }
    }
    for (int key : wanted) {
        if (held.count(key) == 0) {
            events.push_back(ReplayEvent{frame, true, key});
        }
    }
    held = wanted;
    for (int key : releaseNext) {
        wanted.erase(key);
    }
    releaseNext.clear();
    recording.events.insert(recording.events.end(), events.begin(), events.end());
    const int healthBefore = player().health;
    std::vector<std::pair<int, int>> near;
    if (traceEvery > 0) {
        const VXVec4 p = position();
        for (const auto& entry : ReplaySession::scene().world->objectMap) {
            const KTGameObject* o = entry.second;
            const VXVec4 q = o->physicsObject != nullptr ? o->physicsObject->position : o->position;
            if (o != &player() && std::fabs(q.x() - p.x()) < 60.0f && std::fabs(q.z() - p.z()) < 60.0f) {
                near.emplace_back(entry.first, o->body.kind);
            }
        }
    }
    const bool going = session.frame(events);
    if (traceEvery > 0 && player().health < healthBefore && !session.goalReached()) {
        // What was near when the player was hurt, and whether it went.
        printState();
        for (const auto& n : near) {
            std::printf("  hurt near %d kind %d%s\n", n.first, n.second,
                        ReplaySession::scene().world->findObject(n.first) == nullptr ? " (gone)" : "");
        }
    }
    recording.frames = session.frameNumber();
    reportSigns();
    if (traceEvery > 0 && (session.frameNumber() % traceEvery == 0 || !going)) {
        printState();
    }
    return going;
}

KTMainCharacter& ReplayPilot::player() const
{
    return *ReplaySession::scene().player;
}

VXVec4 ReplayPilot::position() const
{
    return player().physicsObject->position;
}

VXVec4 ReplayPilot::velocity() const
{
    return player().physicsObject->velocity;
}

void ReplayPilot::printState() const
{
    const VXVec4 p = position();
    const VXVec4 v = velocity();
    const KTMainCharacter& c = player();
    std::printf("frame %5d  cell %2d %2d %d  pos %7.2f %7.2f %7.2f  vel %6.2f %6.2f %6.2f  hp %d  ammo %d/%d/%d%s%s%s\n",
                session.frameNumber(), static_cast<int>(p.x() / 30), static_cast<int>(p.z() / 30),
                static_cast<int>(p.y() / 30), p.x(), p.y(), p.z(), v.x(), v.y(), v.z(), c.health, c.greyAmmo,
                c.redAmmo, c.destroyAmmo, c.grounded ? "  grounded" : "", session.goalReached() ? "  GOAL" : "",
                session.playerDied() ? "  DIED" : "");
    for (int id : tracked) {
        const KTGameObject* o = ReplaySession::scene().world->findObject(id);
        if (o == nullptr) {
            std::printf("      %d gone\n", id);
            continue;
        }
        const VXVec4 q = o->physicsObject != nullptr ? o->physicsObject->position : o->position;
        const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(o);
        std::printf("      %d at %5.2f %5.2f %5.2f", id, q.x() / 30, q.z() / 30, q.y() / 30);
        if (ai != nullptr) {
            std::printf("  state %d cooldown %d hp %d%s", ai->state, ai->cooldown, enemyHitPoints(ai),
                        ai->dead ? " dead" : "");
        }
        if (const QMZealot* z = dynamic_cast<const QMZealot*>(o)) {
            std::printf("  stance %d (dead %d) kind %d collides %d", z->skeleton ? z->skeleton->currentStance() : -9,
                        z->deadStance, o->body.kind, o->body.collides);
        }
        std::printf("\n");
    }
    std::fflush(stdout);
}

// A line for every help sign whose panel came up this frame, so a plan's
// run shows how long each panel stays before the next replaces it.
void ReplayPilot::reportSigns()
{
    const std::vector<KTHelpSign>& signs = ReplaySession::scene().world->helpSigns;
    shownSigns.resize(signs.size(), false);
    for (size_t i = 0; i < signs.size(); ++i) {
        if (signs[i].active || shownSigns[i]) {
            continue;
        }
        shownSigns[i] = true;
        std::string name = "?";
        for (const auto& image : assets().helpImages) {
            if (image.second == signs[i].texture) {
                name = image.first;
            }
        }
        std::printf("frame %5d  help sign %s\n", session.frameNumber(), name.c_str());
    }
}

bool ReplayPilot::shot(const std::string& name)
{
    if (shotDirectory.empty()) {
        return true;
    }
    const std::vector<unsigned char> rgb = ReplaySession::picture();
    const std::string path = shotDirectory + "/" + name + ".png";
    if (!writePng(path, ReplaySession::PictureWidth, ReplaySession::PictureHeight, 3, rgb)) {
        return false;
    }
    // The help panel covers the bottom quarter.
    const int aboveThePanel = ReplaySession::PictureHeight * 3 / 4;
    std::printf("%s: frame %d, shows nothing on %.1f%% above the help panel, %.1f%% in all\n", path.c_str(),
                session.frameNumber(), 100.0 * ReplaySession::emptyShare(rgb, aboveThePanel),
                100.0 * ReplaySession::emptyShare(rgb, ReplaySession::PictureHeight));
    return true;
}

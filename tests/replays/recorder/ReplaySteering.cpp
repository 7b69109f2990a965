#include "ReplaySteering.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "ReplayPilot.h"
#include "engine/math/VXQuat.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/QMIntelligence.h"
#include "game/ui/KTKeySymbols.h"

namespace replay {

namespace {

// A released player coasts about nine times its speed (damping 0.9).
const float CoastFactor = 9.0f;
// The player keeps nearer the centre line of its way than this.
const float CrossDeadband = 0.8f;
// Within this of a corner cell's centre the turn is taken: the player then
// keeps out of the cells beside its new way.
const float CornerReach = 1.0f;
const float StillSpeed = 0.1f;

// The last index from `next` on that lies on the straight run into path[next].
size_t runEnd(const std::vector<Cell>& path, size_t next)
{
    if (next == 0) {
        return 0;
    }
    const int sx = path[next].first - path[next - 1].first;
    const int sy = path[next].second - path[next - 1].second;
    size_t k = next;
    while (k + 1 < path.size() && path[k + 1].first - path[k].first == sx && path[k + 1].second - path[k].second == sy) {
        ++k;
    }
    return k;
}

} // namespace

bool parseDirection(const std::string& name, Arrows& arrows)
{
    arrows = Arrows();
    std::istringstream parts(name);
    std::string part;
    bool any = false;
    while (std::getline(parts, part, '-')) {
        if (part == "up") {
            arrows.dy = 1;
        } else if (part == "down") {
            arrows.dy = -1;
        } else if (part == "left") {
            arrows.dx = 1;
        } else if (part == "right") {
            arrows.dx = -1;
        } else {
            return false;
        }
        any = true;
    }
    return any;
}

std::set<int> arrowKeys(const Arrows& a)
{
    std::set<int> keys;
    if (a.dx > 0) {
        keys.insert(KTKey::Left);
    } else if (a.dx < 0) {
        keys.insert(KTKey::Right);
    }
    if (a.dy > 0) {
        keys.insert(KTKey::Up);
    } else if (a.dy < 0) {
        keys.insert(KTKey::Down);
    }
    return keys;
}

Arrows arrowsForWorld(int wx, int wz)
{
    const KTLevelScene& scene = ReplaySession::scene();
    // The keys' push is turned by the camera's target turn; undo it.
    const VXQuat back = VXQuat::fromAngleAxis(-scene.camera.angle, 0.0f, 1.0f, 0.0f);
    const VXVec4 local = back.rotate(VXVec4(static_cast<float>(wx), 0.0f, static_cast<float>(wz), 1.0f));
    Arrows a;
    a.dx = std::fabs(local.x()) < 0.5f ? 0 : (local.x() > 0 ? 1 : -1);
    a.dy = std::fabs(local.z()) < 0.5f ? 0 : (local.z() > 0 ? 1 : -1);
    return a;
}

int keyOfWeapon(const std::string& name)
{
    if (name == "grey") {
        return KTKey::Z;
    }
    if (name == "red") {
        return KTKey::C;
    }
    if (name == "destroy") {
        return KTKey::X;
    }
    return -1;
}

float horizontalSpeed(const VXVec4& v)
{
    return std::sqrt(v.x() * v.x() + v.z() * v.z());
}

int pushToward(float distance, float speed, float deadband)
{
    const float coastForward = speed > 0 ? speed * CoastFactor : 0.0f;
    const float coastBack = speed < 0 ? -speed * CoastFactor : 0.0f;
    if (distance > deadband + coastForward) {
        return 1;
    }
    if (distance < -(deadband + coastBack)) {
        return -1;
    }
    return 0;
}

Cell cellOf(const VXVec4& p)
{
    return Cell(static_cast<int>(std::floor(p.x() / KT_CELL_SIZE)), static_cast<int>(std::floor(p.z() / KT_CELL_SIZE)));
}

float centreOf(int cell)
{
    return cell * KT_CELL_SIZE + KT_CELL_SIZE / 2;
}

int chebyshev(Cell a, Cell b)
{
    const int dx = std::abs(a.first - b.first);
    const int dy = std::abs(a.second - b.second);
    return dx > dy ? dx : dy;
}

KTGameObject* livingObject(int id)
{
    KTGameObject* o = ReplaySession::scene().world->findObject(id);
    const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(o);
    if (o == nullptr || (ai != nullptr && (ai->dead || ai->state == QMState::Dead))) {
        return nullptr;
    }
    return o;
}

VXVec4 physicsPosition(const KTGameObject* o)
{
    return o->physicsObject != nullptr ? o->physicsObject->position : o->position;
}

void nearestLine(const VXVec4& offset, int& wx, int& wz, float& off, float& along)
{
    off = 1.0e9f;
    along = 0.0f;
    wx = 0;
    wz = 1;
    for (int x = -1; x <= 1; ++x) {
        for (int z = -1; z <= 1; ++z) {
            if (x == 0 && z == 0) {
                continue;
            }
            const float length = std::sqrt(static_cast<float>(x * x + z * z));
            const float ux = x / length;
            const float uz = z / length;
            const float a = offset.x() * ux + offset.z() * uz;
            const float o = std::fabs(offset.x() * uz - offset.z() * ux);
            if (a > 0.0f && o < off) {
                off = o;
                along = a;
                wx = x;
                wz = z;
            }
        }
    }
}

bool steerAlong(ReplayPilot& pilot, const std::vector<Cell>& path, size_t& next)
{
    const VXVec4 p = pilot.position();
    const VXVec4 v = pilot.velocity();
    while (next + 1 < path.size()) {
        const bool corner = runEnd(path, next) == next;
        const bool near = std::fabs(p.x() - centreOf(path[next].first)) < CornerReach
            && std::fabs(p.z() - centreOf(path[next].second)) < CornerReach;
        if (cellOf(p) != path[next] || (corner && !near)) {
            break;
        }
        ++next;
    }
    if (next >= path.size()) {
        pilot.hold({});
        return false;
    }
    const size_t end = runEnd(path, next);
    const float tx = centreOf(path[end].first);
    const float tz = centreOf(path[end].second);
    const bool there = std::fabs(tx - p.x()) < Centred && std::fabs(tz - p.z()) < Centred;
    if (end + 1 == path.size() && there && horizontalSpeed(v) < StillSpeed) {
        pilot.hold({});
        return false;
    }
    // Along the run it brakes into the corner or the end; across the run it
    // keeps close to the cells' centre line.
    const int wx = pushToward(tx - p.x(), v.x(), CrossDeadband);
    const int wz = pushToward(tz - p.z(), v.z(), CrossDeadband);
    pilot.hold(arrowKeys(arrowsForWorld(wx, wz)));
    return true;
}

} // namespace replay

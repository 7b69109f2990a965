#ifndef GAME_OBJECTS_KTGAMEOBJECT_H
#define GAME_OBJECTS_KTGAMEOBJECT_H

#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"
#include "game/level/KTPhysicsBody.h"

class KTLevelWorld;
class VXOBJData;
class KTPhysicsWorld;
struct VXShaderProgram;
struct VXViewState;
struct KTPhysicsObject;

// The root of everything that lives in a level, tied to one physics body.
// The level world frees the objects it removes, through this class.
class KTGameObject {
public:
    // Settling on the grid: a body slower than SettleSpeed across the ground
    // is pulled toward its cell's centre by (centre - position) / SettleDivisor.
    static constexpr float SettleSpeed = 0.3f;
    static constexpr float SettleDivisor = 50.0f;

    KTLevelWorld* world;
    KTPhysicsWorld* physicsWorld;
    // Holds the authoritative position and the velocity.
    KTPhysicsObject* physicsObject;
    // Equal to body.id: collision records find their objects by body id.
    int objectId;
    bool grounded;
    bool touched;
    // Copy of the physics position taken at each update.
    VXVec4 position;
    VXQuat orientation;
    KTPhysicsBody body;
    // Where the level world's column index files this object; -1 while no
    // index does.
    int columnSlot;

    KTGameObject();

    virtual void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world);
    virtual void update();
    virtual void clampToLevelBounds();
    virtual void draw(VXViewState* view, VXShaderProgram* program) = 0;
    virtual void applyImpulse(const VXVec4& v);
    virtual void emptyHook();
    virtual ~KTGameObject() = default;

    // The steps of the shared attachToLevel, for set-ups that fill the body
    // first (blocks, enemies, AI enemies).
    void attachBody(KTPhysicsWorld* physicsWorld, KTLevelWorld* world);

    // Draws `model` at `position`, turned by `orientation`; nothing for a
    // null model, view or program.
    void drawModel(VXOBJData* model, VXViewState* view, VXShaderProgram* program);

    // The program-wide body id counter: 0 at start, never reset.
    static int takeNextBodyId();
    // The centre of the grid cell holding `p` (truncated toward zero on
    // each axis); w is kept.
    static VXVec4 snapToCellCentre(const VXVec4& p);
};

#endif

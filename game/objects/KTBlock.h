#ifndef GAME_OBJECTS_KTBLOCK_H
#define GAME_OBJECTS_KTBLOCK_H

#include "game/objects/KTGameObject.h"

class VXOBJData;

// One static coloured cube that fills its grid cell (KT_CELL_SIZE).
class KTBlock : public KTGameObject {
public:
    // A KTBlockType.
    int blockType;
    // The block breaks at 0 or below.
    int hitPoints;
    // Set when the block breaks, so that it breaks only once.
    bool destroyed;

    KTBlock();

    // The block's set-up after its insertion into the level world: body of
    // the type's kind, snapped to the centre of its cell.
    void setUp(KTPhysicsWorld* physicsWorld, int type, KTLevelWorld* world);
    void draw(VXViewState* view, VXShaderProgram* program) override;

    // Launches one acid fragment from this block; d is a direction, scaled
    // per axis into the start offset (50, -50, 80) and carried in the
    // fragment's orientation.
    void spawnBlockMissileAt(VXVec4 d);

    // Null while the models are not loaded.
    static VXOBJData* modelOfType(int type);
};

#endif

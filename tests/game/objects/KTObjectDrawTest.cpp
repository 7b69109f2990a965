#include "engine/core/VXLog.h"
#include "tests/game/level/WorldFixture.h"

#include "engine/math/VXMat4.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXViewState.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTPickup.h"
#include "game/start/KTAssets.h"
#include "support/TestWindow.h"

namespace {

// Objects drawn for real: the test bench's cube stands in for every model,
// and the camera sits at the origin looking down -z, so the last model-view
// upload is the top of the matrix stack as the object left it.
class ObjectDraw : public LevelWorldTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        saved = assets();
        {
            VXLogCapture quiet;
            initializeLibrary("VXLibrary");
            cube.parseFile("test.obj");
        }
        assets().missileHead = assets().missileTail = &cube;
        assets().acidFragmentHead = assets().acidFragmentTail = &cube;
        assets().shadow = assets().blueAmmo = assets().greenBlock = assets().redBlock = &cube;
        program = defaultRenderProgram;
        program->use();
        view.takeProgramLocations(*program);
        view.setProjection(0.7853982f, 800, 600, 1, 10000);
        view.lookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
        view.updateView();
    }

    void TearDown() override { assets() = saved; }

    // Forgets the last upload.
    void forget() { view.modelView.setIdentity(); }

    void expectLastUpload(const VXMat4& expected)
    {
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(view.modelView[i], expected[i], 1e-3f) << "element " << i;
        }
        EXPECT_EQ(view.stack.depth, 0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    static VXMat4 turn(float angle, float ax, float ay, float az)
    {
        return VXMat4::rotation(VXQuat::fromAngleAxis(angle, ax, ay, az));
    }

    KTAssets saved;
    VXOBJData cube;
    VXShaderProgram* program = nullptr;
    VXViewState view;
};

} // namespace

TEST_F(ObjectDraw, MissileShowsFromItsThirdUpdateWithItsTailTurningBack)
{
    KTBlockMissile* missile = new KTBlockMissile();
    missile->missileType = 1;
    missile->position = VXVec4(300, 300, 300, 1);
    missile->orientation = VXQuat::fromAngleAxis(0.7f, 0, 1, 0);
    world->addObject(missile);
    run(2);
    forget();
    missile->draw(&view, program);
    expectLastUpload(VXMat4().setIdentity());

    run(1);
    missile->draw(&view, program);
    // Head at +spin, tail at -spin about the flight axis.
    expectLastUpload(VXMat4::translation(missile->position) * VXMat4::rotation(missile->orientation)
                     * turn(-missile->spin, 0, 0, 1));
}

TEST_F(ObjectDraw, PlayerDrawsItsShadowOnTheBlockBelowTurningAboutY)
{
    block(5, 0, 5, 0);
    physics.resolveCollisions();
    player.position = VXVec4(165, 45, 165, 1);
    player.draw(&view, program);
    expectLastUpload(VXMat4::translation(VXVec4(165, 32, 165, 1)) * turn(KTMainCharacter::shadowSpin, 0, 1, 0));
}

TEST_F(ObjectDraw, PickupsEnemiesAndBlocksDrawAtTheirPlaceAndTurn)
{
    RWGrayAmmoPickup* pickup = new RWGrayAmmoPickup();
    pickup->position = VXVec4(60, 0, 90, 1);
    world->addObject(pickup);
    pickup->draw(&view, program);
    expectLastUpload(VXMat4::translation(VXVec4(75, 15, 105, 1)) * turn(0.01f, 0, 1, 0));

    KTEnemy* shooter = new KTEnemy();
    shooter->position = VXVec4(200, 15, 200, 1);
    world->addEnemy(shooter, KTEnemy::Shooter);
    shooter->orientation = VXQuat::fromAngleAxis(1.0f, 0, 1, 0);
    shooter->draw(&view, program);
    expectLastUpload(VXMat4::translation(shooter->position) * turn(1.0f, 0, 1, 0));

    KTBlock* red = block(3, 1, 4, 0);
    red->draw(&view, program);
    expectLastUpload(VXMat4::translation(VXVec4(105, 45, 135, 1)));
}

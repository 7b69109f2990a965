#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "GameFiles.h"
#include "MediaFiles.h"
#include "engine/core/VXLog.h"
#include "engine/model/VXOBJData.h"
#include "support/TestWindow.h"

namespace {

// The models the start-up loads, in its loading order.
const std::vector<std::string> STARTUP_MODELS = {
    "Data\\Block\\Models\\DefaultTile.obj",         "Data\\Block\\Models\\DefaultBlock.obj",
    "Data\\Block\\Models\\RedBlock.obj",            "Data\\Block\\Models\\BlueBlock.obj",
    "Data\\Block\\Models\\GreenBlock.obj",          "Data\\Block\\Models\\YellowBlock.obj",
    "Data\\Block\\Models\\BlackBlock.obj",          "Data\\Block\\Models\\GoalBlock.obj",
    "Data\\Block\\Models\\PurpleBlock.obj",         "Data\\Block\\Models\\AcidBlock.obj",
    "Data\\Attack\\Missile\\Models\\MissileHead.obj", "Data\\Attack\\Missile\\Models\\MissileTail.obj",
    "Data\\Attack\\Missile\\Models\\AcidFragmentHead.obj",
    "Data\\Attack\\Missile\\Models\\AcidFragmentTail.obj",
    "Data\\Status\\Shadow\\Shadow.obj",             "Data\\Items\\Models\\RedAmmo.obj",
    "Data\\Items\\Models\\BlueAmmo.obj",            "Data\\Items\\Models\\DestroyAmmo.obj",
    "Data\\Particles\\Particle.obj",                "Data\\Text\\HelpSymbol.obj",
};

const char* const CREEPER_MODEL = "Data\\Character\\RolliePollie\\Models\\RolliePollie.obj";

struct Bounds {
    float min[3] = {1e9f, 1e9f, 1e9f};
    float max[3] = {-1e9f, -1e9f, -1e9f};
    float extent(int axis) const { return max[axis] - min[axis]; }
    bool within(float lo, float hi) const
    {
        for (int a = 0; a < 3; ++a) {
            if (min[a] < lo - 1e-4f || max[a] > hi + 1e-4f) {
                return false;
            }
        }
        return true;
    }
};

Bounds boundsOf(const VXOBJData& model)
{
    Bounds b;
    for (const VXOBJVertexData& v : model.dataSet.vertices) {
        for (int a = 0; a < 3; ++a) {
            b.min[a] = std::min(b.min[a], v.position[a]);
            b.max[a] = std::max(b.max[a], v.position[a]);
        }
    }
    return b;
}

using Point = std::tuple<long, long, long>;

Point pointOf(const VXVec4& p)
{
    return Point(std::lround(p[0] * 1000.0f), std::lround(p[1] * 1000.0f), std::lround(p[2] * 1000.0f));
}

// Every OBJ of the game directory below `root`, as data paths.
std::vector<std::string> objFilesBelow(const std::string& root)
{
    std::vector<std::string> paths;
    for (const std::string& relative : filesBelow(root)) {
        if (std::filesystem::path(relative).extension() == ".obj") {
            paths.push_back(backslashed(root + "/" + relative));
        }
    }
    return paths;
}

class ModelDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(openTestWindow()); }

    // Reads a model as the game does; the readers must print nothing of
    // their own (an unopenable file or library would).
    static std::unique_ptr<VXOBJData> load(const std::string& dataPath)
    {
        std::unique_ptr<VXOBJData> model(new VXOBJData());
        VXLogCapture logged;
        model->parseFile(dataPath);
        EXPECT_EQ(unexpectedOutput(logged.text()), "") << dataPath;
        return model;
    }
};

} // namespace

TEST_F(ModelDataTest, EveryModelTheGameAndTheBenchOpenIsThere)
{
    ASSERT_EQ(STARTUP_MODELS.size(), 20u);
    for (const std::string& path : STARTUP_MODELS) {
        expectExactFile(path);
    }
    expectExactFile(CREEPER_MODEL);
    expectExactFile("test.obj");
    expectExactFile("VXLibrary\\Models\\vx_cube_background.obj");
    expectExactFile("VXLibrary\\Models\\vx_object_marker.obj");
}

// Loads through the engine reader: a material library beside the model, every
// material drawn, triangles only, a normal at every corner.
TEST_F(ModelDataTest, EveryModelLoadsWithItsMaterialsAndNormals)
{
    std::vector<std::string> paths = objFilesBelow("Data");
    ASSERT_GE(paths.size(), 21u + 4u) << "start-up models, the creeper and bone models of four characters";
    paths.push_back("test.obj");
    paths.push_back("VXLibrary\\Models\\vx_cube_background.obj");
    paths.push_back("VXLibrary\\Models\\vx_object_marker.obj");
    for (const std::string& path : paths) {
        std::unique_ptr<VXOBJData> model = load(path);
        EXPECT_GT(model->vertexCount, 0) << path;
        ASSERT_FALSE(model->dataSet.blocks.empty()) << path << ": no material library";
        for (const VXOBJVertexBlock& block : model->dataSet.blocks) {
            EXPECT_GT(block.indexCount, 0) << path << ": material " << block.material.name << " is drawn empty";
            EXPECT_EQ(block.indexCount % 3, 0) << path;
        }
        for (const auto& entry : model->dataSet.vertexIndexByKey) {
            EXPECT_GE(entry.first.normal, 0) << path << ": a corner without a normal";
        }
        EXPECT_EQ(model->dataSet.blockIndexByName.size(), model->dataSet.blocks.size())
            << path << ": a usemtl names a material the library lacks";
    }
}

// Every game model is made of closed pieces wound counter-clockwise seen from
// outside: each edge is walked once in each direction, the normals agree with
// the winding and the enclosed volume is positive.
TEST_F(ModelDataTest, GameModelsAreClosedAndWoundOutwards)
{
    for (const std::string& path : objFilesBelow("Data")) {
        std::unique_ptr<VXOBJData> model = load(path);
        std::map<std::pair<Point, Point>, int> edges;
        double volume = 0.0;
        int misturned = 0;
        for (const VXOBJVertexBlock& block : model->dataSet.blocks) {
            for (int i = 0; i + 2 < block.indexCount; i += 3) {
                const VXOBJVertexData* v[3];
                for (int k = 0; k < 3; ++k) {
                    v[k] = &model->dataSet.vertices[block.indexArray[i + k]];
                }
                for (int k = 0; k < 3; ++k) {
                    ++edges[{pointOf(v[k]->position), pointOf(v[(k + 1) % 3]->position)}];
                }
                const VXVec4& a = v[0]->position;
                const VXVec4& b = v[1]->position;
                const VXVec4& c = v[2]->position;
                const double ux = b[0] - a[0], uy = b[1] - a[1], uz = b[2] - a[2];
                const double wx = c[0] - a[0], wy = c[1] - a[1], wz = c[2] - a[2];
                const double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
                if (nx * v[0]->normal[0] + ny * v[0]->normal[1] + nz * v[0]->normal[2] <= 0.0) {
                    ++misturned;
                }
                volume += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0])
                           + a[2] * (b[0] * c[1] - b[1] * c[0])) / 6.0;
            }
        }
        int unmatched = 0;
        for (const auto& edge : edges) {
            auto reverse = edges.find({edge.first.second, edge.first.first});
            if (reverse == edges.end() || reverse->second != edge.second) {
                ++unmatched;
            }
        }
        EXPECT_EQ(unmatched, 0) << path << ": open or inconsistently wound";
        EXPECT_EQ(misturned, 0) << path << ": triangles whose normal disagrees with their winding";
        EXPECT_GT(volume, 0.0) << path;
    }
}

// Blocks are drawn at cell centres and fill their 30-unit physics box; the
// tile is drawn at the cell corner with its top at the physics floor.
TEST_F(ModelDataTest, BlocksFillTheirCellAndTheTileLiesOnTheFloor)
{
    for (int i = 1; i <= 9; ++i) {
        const std::string& path = STARTUP_MODELS[i];
        std::unique_ptr<VXOBJData> model = load(path);
        const Bounds b = boundsOf(*model);
        EXPECT_TRUE(b.within(-15.0f, 15.0f)) << path;
        for (int a = 0; a < 3; ++a) {
            EXPECT_GE(b.extent(a), 28.0f) << path << " axis " << a;
            EXPECT_NEAR(b.min[a] + b.max[a], 0.0f, 0.5f) << path << ": not centred on axis " << a;
        }
        // Drawn up to two thousand times a frame: one draw each, except the
        // goal block with its golden emblem.
        if (path.find("GoalBlock") == std::string::npos) {
            EXPECT_EQ(model->dataSet.blocks.size(), 1u) << path;
        }
    }

    std::unique_ptr<VXOBJData> tile = load(STARTUP_MODELS[0]);
    const Bounds t = boundsOf(*tile);
    EXPECT_FLOAT_EQ(t.min[0], 0.0f);
    EXPECT_FLOAT_EQ(t.max[0], 30.0f);
    EXPECT_FLOAT_EQ(t.min[2], 0.0f);
    EXPECT_FLOAT_EQ(t.max[2], 30.0f);
    EXPECT_NEAR(t.max[1], 0.0f, 1e-5f) << "the tile's top is the physics floor";
    EXPECT_LT(t.min[1], 0.0f);
    EXPECT_EQ(tile->dataSet.blocks.size(), 1u);
}

TEST_F(ModelDataTest, SmallModelsHaveTheSizesTheirDrawingAssumes)
{
    // A spark that reads in a burst of sixty, yet small beside a block.
    std::unique_ptr<VXOBJData> particle = load("Data\\Particles\\Particle.obj");
    EXPECT_EQ(particle->dataSet.blocks.size(), 1u) << "drawn with the particle material over every block";
    const Bounds spark = boundsOf(*particle);
    EXPECT_TRUE(spark.within(-5.0f, 5.0f));
    for (int a = 0; a < 3; ++a) {
        EXPECT_GE(spark.extent(a), 6.0f) << "axis " << a;
    }

    std::unique_ptr<VXOBJData> shadow = load("Data\\Status\\Shadow\\Shadow.obj");
    const Bounds s = boundsOf(*shadow);
    EXPECT_NEAR(s.max[1], 0.0f, 1e-5f);
    EXPECT_LT(s.extent(1), 0.5f) << "flat";
    EXPECT_GE(s.extent(0), 20.0f);
    EXPECT_LE(s.extent(0), 30.0f);

    for (const char* path : {"Data\\Items\\Models\\RedAmmo.obj", "Data\\Items\\Models\\BlueAmmo.obj",
                             "Data\\Items\\Models\\DestroyAmmo.obj"}) {
        std::unique_ptr<VXOBJData> item = load(path);
        EXPECT_TRUE(boundsOf(*item).within(-10.0f, 10.0f)) << path;
    }

    // Missiles fly along +z, ten units an update: drawn well beyond their
    // 12-unit box so that they show in flight, yet narrower than a cell. The
    // head leads, the tail trails.
    const Bounds head = boundsOf(*load("Data\\Attack\\Missile\\Models\\MissileHead.obj"));
    const Bounds tail = boundsOf(*load("Data\\Attack\\Missile\\Models\\MissileTail.obj"));
    for (const Bounds* part : {&head, &tail}) {
        EXPECT_TRUE(part->within(-30.0f, 30.0f));
        EXPECT_LE(part->extent(0), 20.0f);
        EXPECT_LE(part->extent(1), 20.0f);
    }
    EXPECT_GE(head.max[2] - tail.min[2], 30.0f) << "nose to tail";
    EXPECT_GE(std::max(head.extent(0), tail.extent(0)), 12.0f);
    EXPECT_GT(head.max[2], -head.min[2]);
    EXPECT_LT(tail.max[2], 0.0f);

    const Bounds sign = boundsOf(*load("Data\\Text\\HelpSymbol.obj"));
    EXPECT_GE(sign.extent(1), 12.0f);
    EXPECT_LE(sign.extent(1), 20.0f);
    EXPECT_NEAR(sign.min[1] + sign.max[1], 0.0f, 1.0f);

    const Bounds ball = boundsOf(*load(CREEPER_MODEL));
    EXPECT_TRUE(ball.within(-15.0f, 15.0f));
    for (int a = 0; a < 3; ++a) {
        EXPECT_GE(ball.extent(a), 25.0f) << "a ball of radius about 14, axis " << a;
    }
}

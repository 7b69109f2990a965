#include "engine/core/VXLog.h"
#include "engine/model/VXOBJData.h"
#include "engine/model/VXOBJShell.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Parses from lines, without a GL context or a file.
class ShellModel : public VXOBJData {
public:
    explicit ShellModel(const std::string& obj)
    {
        dataSet.blockIndexByName["m"] = dataSet.addBlock(VXOBJMaterial());
        parseLine("usemtl m");
        std::istringstream lines(obj);
        for (std::string line; std::getline(lines, line);) {
            parseLine(line);
        }
    }
    bool closedShell() const { return isClosedOutwardShell(dataSet); }
};

// A unit cube, every face counter-clockwise seen from outside.
const char* cubeVertices =
    "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 1\nv 1 0 1\nv 1 1 1\nv 0 1 1\n"
    "vn 0 0 1\n";
const char* cubeFaces =
    "f 1 3 2\nf 1 4 3\n"  // z = 0, seen from -z
    "f 5 6 7\nf 5 7 8\n"  // z = 1
    "f 1 2 6\nf 1 6 5\n"  // y = 0
    "f 4 8 7\nf 4 7 3\n"  // y = 1
    "f 1 5 8\nf 1 8 4\n"  // x = 0
    "f 2 3 7\nf 2 7 6\n"; // x = 1

std::string flipped(const std::string& faces)
{
    std::istringstream in(faces);
    std::string out;
    for (std::string f, a, b, c; in >> f >> a >> b >> c;) {
        out += "f " + a + " " + c + " " + b + "\n";
    }
    return out;
}

} // namespace

TEST(VXOBJShell, AnOutwardCubeIsClosedWhateverItsNormalsAndCornerKeys)
{
    EXPECT_TRUE(ShellModel(std::string(cubeVertices) + cubeFaces).closedShell());
    // Corners with normals make more unique vertices; the shell is the same.
    std::string withNormals = cubeFaces;
    std::string keyed;
    std::istringstream in(withNormals);
    for (std::string f, a, b, c; in >> f >> a >> b >> c;) {
        keyed += "f " + a + "//1 " + b + " " + c + "//1\n";
    }
    EXPECT_TRUE(ShellModel(std::string(cubeVertices) + keyed).closedShell());
}

TEST(VXOBJShell, InsideOutOpenOrDoubledShellsAreNotClosed)
{
    EXPECT_FALSE(ShellModel(std::string(cubeVertices) + flipped(cubeFaces)).closedShell()) << "inside out";
    std::string open = cubeFaces;
    open = open.substr(0, open.rfind("f 2 3 7"));
    EXPECT_FALSE(ShellModel(std::string(cubeVertices) + open).closedShell()) << "one face missing";
    EXPECT_FALSE(ShellModel(std::string(cubeVertices) + cubeFaces + "f 1 3 2\n").closedShell()) << "a face twice";
    EXPECT_FALSE(ShellModel(std::string(cubeVertices) + "f 1 2 3\nf 1 3 4\n").closedShell()) << "a flat square";
    EXPECT_FALSE(ShellModel("").closedShell()) << "nothing";
}

TEST(VXOBJShell, TwoTouchingCubesAreRefused)
{
    // A second cube on top of the first, with positions of its own: where
    // they touch, a bottom face lies in the plane of a top face.
    std::string second = "v 0 1 0\nv 1 1 0\nv 1 2 0\nv 0 2 0\nv 0 1 1\nv 1 1 1\nv 1 2 1\nv 0 2 1\n";
    std::string shifted;
    std::istringstream in(cubeFaces);
    for (std::string f, a, b, c; in >> f >> a >> b >> c;) {
        shifted += "f " + std::to_string(std::stoi(a) + 8) + " " + std::to_string(std::stoi(b) + 8) + " " +
                   std::to_string(std::stoi(c) + 8) + "\n";
    }
    EXPECT_FALSE(ShellModel(std::string(cubeVertices) + second + cubeFaces + shifted).closedShell());
}

#include "engine/core/VXScene.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXOnScreenDefaultRender.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

namespace {

// A closed cube of edge 20 about the origin, seen from `eyeZ` on the z axis
// with the ambient light only, over a black window.
TestPixel centreOfCubeSeenFrom(VXOBJData& cube, float eyeZ)
{
    VXScene scene;
    scene.ambientColour = VXVec4(1, 1, 1, 1);
    VXOnScreenDefaultRender pass;
    pass.initialize();
    pass.view.setProjection(1.5f, 800, 600, 1, 1000);
    pass.view.lookAt(0, 0, eyeZ, 0, 0, eyeZ - 1, 0, 1, 0);
    pass.view.updateView();
    pass.begin();
    pass.applyScene(defaultRenderProgram, &scene);
    pass.view.stack.push();
    pass.view.uploadModelViewProjection();
    pass.view.uploadModelView();
    cube.draw(defaultRenderProgram);
    pass.view.stack.pop();
    pass.end();
    return readTestPixel(400, 300);
}

} // namespace

TEST(VXOBJShellGL, AClosedModelDrawsOnlyItsFrontFacesAndLeavesCullingOff)
{
    ASSERT_TRUE(openTestWindow());
    TempDir dir;
    std::string obj = "mtllib cube.mtl\nusemtl grey\n";
    obj += "v -10 -10 -10\nv 10 -10 -10\nv 10 10 -10\nv -10 10 -10\n"
           "v -10 -10 10\nv 10 -10 10\nv 10 10 10\nv -10 10 10\nvn 0 0 1\n";
    std::istringstream in(cubeFaces);
    for (std::string f, a, b, c; in >> f >> a >> b >> c;) {
        obj += "f " + a + "//1 " + b + "//1 " + c + "//1\n";
    }
    dir.write("cube.mtl", "newmtl grey\nKa 0.5 0.5 0.5\nKd 0.5 0.5 0.5\n");
    const std::string path = dir.write("cube.obj", obj);
    VXLogCapture quiet;
    initializeLibrary("VXLibrary");
    VXOBJData cube;
    cube.parseFile(path);
    ASSERT_TRUE(cube.closed);

    EXPECT_GT(centreOfCubeSeenFrom(cube, 60).r, 60) << "seen from outside";
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    // From inside only back faces are in view.
    EXPECT_EQ(centreOfCubeSeenFrom(cube, 0).r, 0);
    VXOBJData::cullClosedModels = false;
    EXPECT_GT(centreOfCubeSeenFrom(cube, 0).r, 60) << "both faces drawn";
    VXOBJData::cullClosedModels = true;
}

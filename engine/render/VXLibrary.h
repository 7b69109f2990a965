#ifndef ENGINE_RENDER_VXLIBRARY_H
#define ENGINE_RENDER_VXLIBRARY_H

#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXTextureParameters.h"

#include <string>

class VXOBJData;

// The engine's global rendering resources, made once by initializeLibrary
// and never freed.

// Render targets (the shadow maps).
extern VXTextureParameters clampLinearSampler;
// Every image loaded from a file.
extern VXTextureParameters repeatLinearSampler;

// The full-screen quad in clip coordinates, as x, y pairs counter-clockwise
// from the bottom left.
extern float screenQuadCorners[8];

extern VXShaderProgram* horizontalGaussianBlurProgram;
extern VXShaderProgram* verticalGaussianBlurProgram;
extern VXShaderProgram* screenDebugDisplayProgram;
extern VXShaderProgram* spotLightShadowMappingProgram;
extern VXShaderProgram* defaultRenderProgram;
extern VXShaderProgram* screenRenderProgram;

// The lit program built for one set of spot lights (bit i: light i): the
// code of the lights outside `lightSet` is left out, so they cost nothing per
// fragment, and so is the shadow lookup of the lights outside `shadowSet`
// (lights whose map was never drawn: it would find nothing). A light in the
// set that is off is still skipped by its is_on. Built on first use and
// kept; both sets of all four give defaultRenderProgram.
const int allSpotLights = (1 << VXShaderProgram::spotLightCount) - 1;
VXShaderProgram* defaultRenderProgramForLights(int lightSet, int shadowSet = allSpotLights);

extern VXOBJData* cubeBackgroundModel;
extern VXOBJData* markerModel;

// Called by initializeLibrary once the six programs are built, before the
// models load. Null, so that nothing runs there, unless a build installs its
// reports before the library starts.
extern void (*libraryProgramsBuiltHook)();

// Needs the window's GL context and GLEW. `base` is the library directory
// ("VXLibrary"); the files under it are named as data paths, with backslashes.
void initializeLibrary(std::string base);

#endif

#ifndef ENGINE_MODEL_VXOBJSHELL_H
#define ENGINE_MODEL_VXOBJSHELL_H

#include "engine/model/VXOBJClientVertexDataSet.h"

// True when the triangles of all blocks together close up into one shell
// whose faces all wind counter-clockwise seen from outside: every edge
// (between two positions of the position list) is walked once in each
// direction, all triangles hang together, and the enclosed volume is
// positive. Only then can back faces be culled without a visible
// difference: from outside no back face ever shows. Two shells that touch
// are refused, since a back face lying in the plane of another shell's front
// face may win a pixel there. A model with no triangles is not closed.
bool isClosedOutwardShell(const VXOBJClientVertexDataSet& dataSet);

#endif

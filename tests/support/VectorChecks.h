#ifndef TESTS_SUPPORT_VECTORCHECKS_H
#define TESTS_SUPPORT_VECTORCHECKS_H

#include "engine/math/VXVec4.h"

// Expects each component of `v` to equal (x, y, z, w) to within a few units
// in the last place.
void expectVector(float x, float y, float z, float w, const VXVec4& v);

#endif

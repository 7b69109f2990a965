#ifndef ENGINE_MODEL_VXOBJPARSING_H
#define ENGINE_MODEL_VXOBJPARSING_H

#include "engine/math/VXVec4.h"
#include "engine/model/VXOBJClientVertexDataSet.h"

#include <string>

// Up to four numbers separated by blanks or "/"; missing ones are 0, 0, 0 and 1.
// "1 2 3" gives (1, 2, 3, 1); a fifth number is ignored.
VXVec4 parseNumbers(std::string text);

// A face corner "v", "v/t", "v//n" or "v/t/n" (1-based in the file) as
// 0-based indices; a missing or empty field is -1. A field below the int
// range gives INT_MIN.
VXOBJFaceKey parseCorner(const std::string& word);

#endif

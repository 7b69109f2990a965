#include "engine/render/VXUniformTable.h"

VXUniformTable::VXUniformTable()
{
    for (GLint& entry : entries) {
        entry = -1;
    }
}

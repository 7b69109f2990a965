#include "engine/render/VXIndexTable.h"

VXIndexTable::VXIndexTable()
{
    reset();
}

void VXIndexTable::reset()
{
    for (int& entry : entries) {
        entry = -1;
    }
}

void VXIndexTable::set(int i, int value)
{
    if (i < 0 || i >= 6) {
        return;
    }
    entries[i] = value;
}

int VXIndexTable::get(int i) const
{
    if (i < 0 || i >= 6) {
        return -1;
    }
    return entries[i];
}

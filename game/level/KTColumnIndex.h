#ifndef GAME_LEVEL_KTCOLUMNINDEX_H
#define GAME_LEVEL_KTCOLUMNINDEX_H

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "engine/math/VXVec4.h"
#include "game/level/KTGridCell.h"
#include "game/objects/KTPathSearch.h"

class KTGameObject;

// The level's objects filed by the column of the level's grid of cells
// (KT_LEVEL_CELLS_X by KT_LEVEL_CELLS_Z, KT_CELL_SIZE units each) that their
// position lies in (positions beyond the level in the border columns, as the
// path search counts them), each column sorted by height. The enemies find
// through it the objects near their line of sight and in the cells their
// path searches reach, at a cost that depends on what lies there rather than
// on the size of the level.
//
// The level world enters and takes out every object of its map. Positions
// are read from the objects' own copies, which change only in the objects'
// own updates and in the set-up of new objects; within the world's object
// pass the index therefore follows them one object at a time. Anything that
// moves objects outside the pass (a level load, a reset, a test) is caught by
// a check of every object against its filed position, made before the first
// question of each pass and before every question outside one.
class KTColumnIndex {
public:
    static constexpr int Side = KT_PATH_GRID_SIZE;

    explicit KTColumnIndex(const std::map<int, KTGameObject*>& objects);
    KTColumnIndex(const KTColumnIndex&) = delete;
    KTColumnIndex& operator=(const KTColumnIndex&) = delete;

    // Membership; an object entered twice needs taking out twice.
    void add(KTGameObject* object);
    void remove(KTGameObject* object);

    // The world's object pass: `updating` and `updated` frame each object's
    // update.
    void beginPass();
    void updating(KTGameObject* object);
    void updated(KTGameObject* object);
    void endPass();

    // Brings every filed position up to date; the finding operations below
    // answer for the positions as they were at the last call.
    void makeExact();

    // Largest squared length of an object's boxMax (NaN lengths left out).
    float largestRadiusSquared() const { return maxRadiusSquared; }

    // Calls `visit(object)` for the objects of column (cx, cz) whose height
    // lies within [low, high], and for those of the column whose height is
    // NaN, until a visit returns true; returns whether one did.
    template <typename Visit>
    bool findInColumn(int cx, int cz, float low, float high, Visit visit) const;

    // Calls `visit(object)`, until one returns true, for at least every
    // object whose position lies within `margin` of the segment from `a` to
    // `b`; returns whether a visit returned true. A segment with an end that
    // is not finite or far beyond the level, or an infinite or NaN margin,
    // visits every object.
    template <typename Visit>
    bool findNearSegment(const VXVec4& a, const VXVec4& b, float margin, Visit visit) const;

private:
    struct Entry {
        float height;
        int slot;
    };
    struct Column {
        // Sorted by height; ties in any order.
        std::vector<Entry> sorted;
        // Objects whose height is NaN.
        std::vector<int> unsorted;
    };
    struct Record {
        KTGameObject* object;
        // The position it is filed under.
        float x;
        float y;
        float z;
        int column;
        // Entries of the object in the world's map; 0 for a free slot.
        int references;
    };

    const std::map<int, KTGameObject*>& objects;
    Column columns[Side * Side];
    std::vector<Record> records;
    std::vector<int> freeSlots;
    int references;
    float maxRadiusSquared;
    // The filed positions are the objects' own, except for `current` and
    // `fresh`.
    bool exact;
    bool inPass;
    KTGameObject* current;
    // Objects entered during the current object's update.
    std::vector<KTGameObject*> fresh;

    int slotOf(const KTGameObject* object) const;
    void file(int slot);
    void unfile(int slot);
    void refresh(int slot);
    void refreshObject(KTGameObject* object);
    // Every record against its object; the whole index anew when the map and
    // the index disagree on how many objects there are.
    void checkAll();
    void rebuild();
    static int columnOf(float x, float z);
    template <typename Visit>
    bool visitObject(int slot, Visit& visit) const;
};

template <typename Visit>
bool KTColumnIndex::visitObject(int slot, Visit& visit) const
{
    return visit(records[static_cast<size_t>(slot)].object);
}

template <typename Visit>
bool KTColumnIndex::findInColumn(int cx, int cz, float low, float high, Visit visit) const
{
    const Column& column = columns[cx * Side + cz];
    auto first = std::lower_bound(column.sorted.begin(), column.sorted.end(), low,
                                  [](const Entry& e, float h) { return e.height < h; });
    for (auto it = first; it != column.sorted.end() && it->height <= high; ++it) {
        if (visitObject(it->slot, visit)) {
            return true;
        }
    }
    for (int slot : column.unsorted) {
        if (visitObject(slot, visit)) {
            return true;
        }
    }
    return false;
}

template <typename Visit>
bool KTColumnIndex::findNearSegment(const VXVec4& a, const VXVec4& b, float margin, Visit visit) const
{
    // Beyond this the rounding of the bounds below could exceed their slack.
    const float Far = 1.0e6f;
    const float Slack = 1.0f;
    bool everything = !(margin < Far);
    for (int k = 0; k < 3; ++k) {
        everything = everything || !(std::fabs(a.elements[k]) < Far) || !(std::fabs(b.elements[k]) < Far);
    }
    const float infinity = HUGE_VALF;
    if (everything) {
        for (int cx = 0; cx < Side; ++cx) {
            for (int cz = 0; cz < Side; ++cz) {
                if (findInColumn(cx, cz, -infinity, infinity, visit)) {
                    return true;
                }
            }
        }
        return false;
    }
    const float reach = margin + Slack;
    const float low = std::min(a.y(), b.y()) - reach;
    const float high = std::max(a.y(), b.y()) + reach;
    const float dx = b.x() - a.x();
    const float dz = b.z() - a.z();
    const int firstX = pathCellOf(std::min(a.x(), b.x()) - reach);
    const int lastX = pathCellOf(std::max(a.x(), b.x()) + reach);
    for (int cx = firstX; cx <= lastX; ++cx) {
        // The part of the segment within reach of this column's x range (the
        // border columns reach on without end).
        const float left = cx == 0 ? -infinity : cx * KT_CELL_SIZE - reach;
        const float right = cx == Side - 1 ? infinity : (cx + 1) * KT_CELL_SIZE + reach;
        float from = 0.0f;
        float to = 1.0f;
        if (dx != 0.0f) {
            const float s = (left - a.x()) / dx;
            const float t = (right - a.x()) / dx;
            from = std::max(from, std::min(s, t));
            to = std::min(to, std::max(s, t));
        }
        if (!(from <= to)) {
            continue;
        }
        const float z0 = a.z() + from * dz;
        const float z1 = a.z() + to * dz;
        const int firstZ = pathCellOf(std::min(z0, z1) - reach - Slack);
        const int lastZ = pathCellOf(std::max(z0, z1) + reach + Slack);
        for (int cz = firstZ; cz <= lastZ; ++cz) {
            if (findInColumn(cx, cz, low, high, visit)) {
                return true;
            }
        }
    }
    return false;
}

#endif

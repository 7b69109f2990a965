#include "game/level/KTColumnIndex.h"

#include <cstring>

#include "game/objects/KTGameObject.h"

namespace {

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

float radiusSquared(const KTGameObject& object)
{
    const VXVec4& r = object.body.boxMax;
    return r.x() * r.x() + r.y() * r.y() + r.z() * r.z();
}

} // namespace

KTColumnIndex::KTColumnIndex(const std::map<int, KTGameObject*>& mirrored)
    : objects(mirrored), references(0), maxRadiusSquared(0.0f), exact(false), inPass(false), current(nullptr)
{
}

int KTColumnIndex::columnOf(float x, float z)
{
    return pathCellOf(x) * Side + pathCellOf(z);
}

int KTColumnIndex::slotOf(const KTGameObject* object) const
{
    const int slot = object->columnSlot;
    if (slot < 0) {
        return -1;
    }
    if (static_cast<size_t>(slot) < records.size() && records[static_cast<size_t>(slot)].object == object
        && records[static_cast<size_t>(slot)].references > 0) {
        return slot;
    }
    // An object that another index has filed since: look for it.
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].object == object && records[i].references > 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void KTColumnIndex::add(KTGameObject* object)
{
    references += 1;
    int slot = slotOf(object);
    if (slot >= 0) {
        records[static_cast<size_t>(slot)].references += 1;
        return;
    }
    if (freeSlots.empty()) {
        slot = static_cast<int>(records.size());
        records.push_back(Record());
        // Taking objects out then never allocates.
        freeSlots.reserve(records.capacity());
    } else {
        slot = freeSlots.back();
        freeSlots.pop_back();
    }
    Record& record = records[static_cast<size_t>(slot)];
    record.object = object;
    record.references = 1;
    record.x = object->position.x();
    record.y = object->position.y();
    record.z = object->position.z();
    object->columnSlot = slot;
    file(slot);
    const float r2 = radiusSquared(*object);
    if (r2 > maxRadiusSquared) {
        maxRadiusSquared = r2;
    }
    // Its maker may still move it or give it its box.
    if (inPass) {
        fresh.push_back(object);
    }
}

void KTColumnIndex::remove(KTGameObject* object)
{
    const int slot = slotOf(object);
    if (slot < 0) {
        return;
    }
    references -= 1;
    Record& record = records[static_cast<size_t>(slot)];
    record.references -= 1;
    if (record.references > 0) {
        return;
    }
    unfile(slot);
    record.object = nullptr;
    freeSlots.push_back(slot);
    if (object->columnSlot == slot) {
        object->columnSlot = -1;
    }
    fresh.erase(std::remove(fresh.begin(), fresh.end(), object), fresh.end());
    if (current == object) {
        current = nullptr;
    }
}

void KTColumnIndex::file(int slot)
{
    Record& record = records[static_cast<size_t>(slot)];
    record.column = columnOf(record.x, record.z);
    Column& column = columns[record.column];
    if (std::isnan(record.y)) {
        column.unsorted.push_back(slot);
        return;
    }
    auto at = std::upper_bound(column.sorted.begin(), column.sorted.end(), record.y,
                               [](float h, const Entry& e) { return h < e.height; });
    column.sorted.insert(at, Entry{ record.y, slot });
}

void KTColumnIndex::unfile(int slot)
{
    const Record& record = records[static_cast<size_t>(slot)];
    Column& column = columns[record.column];
    if (std::isnan(record.y)) {
        column.unsorted.erase(std::find(column.unsorted.begin(), column.unsorted.end(), slot));
        return;
    }
    auto it = std::lower_bound(column.sorted.begin(), column.sorted.end(), record.y,
                               [](const Entry& e, float h) { return e.height < h; });
    while (it->slot != slot) {
        ++it;
    }
    column.sorted.erase(it);
}

void KTColumnIndex::refresh(int slot)
{
    Record& record = records[static_cast<size_t>(slot)];
    const KTGameObject& object = *record.object;
    const float r2 = radiusSquared(object);
    if (r2 > maxRadiusSquared) {
        maxRadiusSquared = r2;
    }
    const VXVec4& p = object.position;
    if (sameBits(p.x(), record.x) && sameBits(p.y(), record.y) && sameBits(p.z(), record.z)) {
        return;
    }
    if (sameBits(p.y(), record.y) && columnOf(p.x(), p.z()) == record.column) {
        record.x = p.x();
        record.z = p.z();
        return;
    }
    unfile(slot);
    record.x = p.x();
    record.y = p.y();
    record.z = p.z();
    file(slot);
}

void KTColumnIndex::refreshObject(KTGameObject* object)
{
    const int slot = slotOf(object);
    if (slot >= 0) {
        refresh(slot);
    }
}

void KTColumnIndex::rebuild()
{
    for (Column& column : columns) {
        column.sorted.clear();
        column.unsorted.clear();
    }
    records.clear();
    freeSlots.clear();
    references = 0;
    maxRadiusSquared = 0.0f;
    const bool wasInPass = inPass;
    inPass = false;
    for (const auto& entry : objects) {
        entry.second->columnSlot = -1;
    }
    for (const auto& entry : objects) {
        add(entry.second);
    }
    inPass = wasInPass;
}

void KTColumnIndex::checkAll()
{
    if (static_cast<size_t>(references) != objects.size()) {
        rebuild();
        return;
    }
    // Recounted from what is filed now, so that a box that has shrunk or left
    // widens no later search.
    maxRadiusSquared = 0.0f;
    for (size_t slot = 0; slot < records.size(); ++slot) {
        if (records[slot].references > 0) {
            refresh(static_cast<int>(slot));
        }
    }
}

void KTColumnIndex::makeExact()
{
    if (!exact) {
        checkAll();
        // Outside the pass nothing says what moves before the next question.
        exact = inPass;
        return;
    }
    if (current != nullptr) {
        refreshObject(current);
    }
    for (KTGameObject* object : fresh) {
        refreshObject(object);
    }
}

void KTColumnIndex::beginPass()
{
    inPass = true;
    exact = false;
    current = nullptr;
    fresh.clear();
}

void KTColumnIndex::updating(KTGameObject* object)
{
    current = object;
}

void KTColumnIndex::updated(KTGameObject* object)
{
    if (exact) {
        refreshObject(object);
        for (KTGameObject* created : fresh) {
            refreshObject(created);
        }
    }
    fresh.clear();
    current = nullptr;
}

void KTColumnIndex::endPass()
{
    inPass = false;
    exact = false;
    current = nullptr;
    fresh.clear();
}

#ifndef ENGINE_MATH_VXCIRCULARARRAY_H
#define ENGINE_MATH_VXCIRCULARARRAY_H

#include <limits>

#include "engine/math/VXTuple.h"

// Fixed-capacity ring that never allocates: once more than N entries are
// added, the oldest are overwritten. Readers visit elements[0 .. size() - 1]
// in index order, which is not insertion order once the ring has wrapped.
// The tuple operations (assign, equals) cover the elements only, never count.
template <int N, typename T>
class VXCircularArray : public VXTuple<N, T> {
public:
    // Entries added since construction or the last clear; may exceed N.
    int count;

    VXCircularArray()
        : count(0)
    {
    }

    void add(const T& value)
    {
        if (count == std::numeric_limits<int>::max()) {
            // Same slot sequence, no signed overflow.
            count = N + count % N;
        }
        this->elements[count % N] = value;
        ++count;
    }

    int size() const { return count < N ? count : N; }

    // The elements keep their values.
    void clear() { count = 0; }
};

#endif

#ifndef ENGINE_MATH_VXTUPLE_H
#define ENGINE_MATH_VXTUPLE_H

#include <string>

#include "engine/core/VXLog.h"

// Fixed-size polymorphic value tuple: the base of vectors, quaternions,
// matrices, circular arrays and penetration records. T needs operator==.
// The virtual operations keep this order: assignFromArray, assign, equals,
// const element access, element access, print.
template <int N, typename T>
class VXTuple {
public:
    T elements[N];

    // Elements are left unset.
    VXTuple() {}
    VXTuple(const VXTuple& other) = default;
    VXTuple& operator=(const VXTuple& other) { return assign(other); }

    virtual VXTuple& assignFromArray(const T* values)
    {
        for (int i = 0; i < N; ++i) {
            elements[i] = values[i];
        }
        return *this;
    }

    virtual VXTuple& assign(const VXTuple& other)
    {
        for (int i = 0; i < N; ++i) {
            elements[i] = other[i];
        }
        return *this;
    }

    // Exact comparison, no tolerance (so -0 equals +0).
    virtual bool equals(const VXTuple& other) const
    {
        for (int i = 0; i < N; ++i) {
            if (!(elements[i] == other[i])) {
                return false;
            }
        }
        return true;
    }

    // No bound check: callers keep i in [0, N).
    virtual const T& operator[](int i) const { return elements[i]; }
    virtual T& operator[](int i) { return elements[i]; }

    // Writes no element values.
    virtual void print(std::string prefix) const
    {
        VXLog() << prefix << "Tuple:";
        VXLog() << prefix << "\t[" << "]";
    }
};

#endif

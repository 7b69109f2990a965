#ifndef ENGINE_MATH_VXMATH_H
#define ENGINE_MATH_VXMATH_H

// Pi as the nearest float: every angle of the engine and the game is
// reckoned in float radians with this value.
constexpr float VX_PI = 3.14159265358979f;

#endif

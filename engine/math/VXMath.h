#ifndef ENGINE_MATH_VXMATH_H
#define ENGINE_MATH_VXMATH_H

// Pi as the nearest float: every angle of the engine and the game is
// reckoned in float radians with this value.
constexpr float VX_PI = 3.14159265358979f;
// Pi to eight digits as a double: the skeleton stance files' angles are
// turned from degrees into radians with it, in double.
constexpr double VX_PI_EIGHT_DIGITS = 3.1415927;

#endif

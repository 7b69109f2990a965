#ifndef GAME_UI_KTKEYSYMBOLS_H
#define GAME_UI_KTKEYSYMBOLS_H

// The SDL 1.2 key symbols that the game's two keyboard handlers read.
namespace KTKey {

const int Return = 13;
const int Escape = 27;
const int Space = 32;
const int Plus = 43;
const int Minus = 45;
const int Zero = 48;
const int Nine = 57;
const int Equals = 61;
const int A = 97;
const int C = 99;
const int D = 100;
const int M = 109;
const int N = 110;
const int S = 115;
const int W = 119;
const int X = 120;
const int Z = 122;
const int Up = 273;
const int Down = 274;
const int Right = 275;
const int Left = 276;
const int F5 = 286;
const int F6 = 287;
const int F12 = 293;
const int RightShift = 303;
const int LeftShift = 304;
const int RightCtrl = 305;
const int LeftCtrl = 306;

} // namespace KTKey

#endif

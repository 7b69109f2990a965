#ifndef ENGINE_TEXT_VXTEXTCONVERSIONS_H
#define ENGINE_TEXT_VXTEXTCONVERSIONS_H

#include <string>

// The number at the start of `text` (leading white space skipped, the rest
// ignored): "12abc" is 12. Text that does not start with a number gives 0; a
// number out of range gives the nearest value the type holds.
int parseInt(std::string text);
float parseFloat(std::string text);

// Default stream formatting: 0.5f is "0.5", 100.0f is "100".
std::string intToString(int value);
std::string floatToString(float value);

#endif

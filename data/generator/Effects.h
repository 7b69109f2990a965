#ifndef DATA_GENERATOR_EFFECTS_H
#define DATA_GENERATOR_EFFECTS_H

#include <string>

#include "Synth.h"

namespace datagen {

// The effect for a sound file's base name ("PlayerJump"); empty when no
// recipe knows the name.
Samples effectFor(const std::string& name);

// Writes every file of the sound table below `root`; false on the first
// name without a recipe or file that cannot be written.
bool writeEffects(const std::string& root);

} // namespace datagen

#endif

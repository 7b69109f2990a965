#ifndef DATA_GENERATOR_IMAGES_H
#define DATA_GENERATOR_IMAGES_H

#include <string>

namespace datagen {

// Draws every HUD, menu and help image below `root`; false (with a message
// on stderr) when a file cannot be written or a text does not fit its place.
bool writeImages(const std::string& root);

} // namespace datagen

#endif

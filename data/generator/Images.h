#ifndef DATA_GENERATOR_IMAGES_H
#define DATA_GENERATOR_IMAGES_H

#include <string>
#include <vector>

namespace datagen {

// Draws every HUD, menu and help image below `root`, the level page with the
// names of `levels`; false (with a message on stderr) when a file cannot be
// written or a text does not fit its place.
bool writeImages(const std::string& root, const std::vector<std::string>& levels);

} // namespace datagen

#endif

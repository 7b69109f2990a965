#ifndef TESTS_SUPPORT_PNGFILE_H
#define TESTS_SUPPORT_PNGFILE_H

#include <string>
#include <vector>

// Writes an 8-bit PNG of `channels` bytes per pixel (1 grey, 3 RGB, 4 RGBA);
// `pixels` holds the rows top to bottom, tightly packed.
bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels);

#endif

#ifndef TESTS_DATA_MEDIAFILES_H
#define TESTS_DATA_MEDIAFILES_H

#include <cstdint>
#include <string>
#include <vector>

// Readers for checking generated files as the game's loaders see them.

struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = -1;   // 2 RGB, 6 RGBA
    int interlace = -1;
};
// Reads the IHDR chunk; false when the file is no PNG.
bool readPngHeader(const std::string& path, PngHeader& header);

// Decoded pixels as 8-bit RGBA rows, top row first.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
    const unsigned char* at(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
};
bool readPng(const std::string& path, RgbaImage& image);

struct WavInfo {
    int format = 0;      // 1 for PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    size_t frames = 0;
    int peak = 0;        // largest absolute 16-bit sample
    std::vector<int16_t> samples;   // 16-bit files only, channels interleaved
    double seconds() const { return rate > 0 ? static_cast<double>(frames) / rate : 0.0; }
};
// Parses the RIFF chunks; false when the file is no complete RIFF/WAVE.
bool readWav(const std::string& path, WavInfo& info);

// Every regular file below `root`, as paths relative to it, sorted.
std::vector<std::string> filesBelow(const std::string& root);

#endif

#include "PngFile.h"

#include <png.h>

#include <cstdio>

namespace {

int colourTypeOf(int channels)
{
    if (channels == 1) {
        return PNG_COLOR_TYPE_GRAY;
    }
    if (channels == 4) {
        return PNG_COLOR_TYPE_RGBA;
    }
    return PNG_COLOR_TYPE_RGB;
}

// Kept apart from the caller's locals: libpng reports errors by longjmp.
bool writeRows(FILE* file, int width, int height, int channels, const unsigned char* pixels)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, colourTypeOf(channels), PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, const_cast<png_bytep>(pixels + static_cast<size_t>(y) * width * channels));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels)
{
    if (channels != 1 && channels != 3 && channels != 4) {
        return false;
    }
    if (pixels.size() < static_cast<size_t>(width) * height * channels) {
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRows(file, width, height, channels, pixels.data());
    std::fclose(file);
    return written;
}

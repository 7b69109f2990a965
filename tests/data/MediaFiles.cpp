#include "MediaFiles.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/TempDir.h"

namespace {

uint32_t big32(const std::string& bytes, size_t at)
{
    return (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

uint32_t little(const std::string& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    }
    return value;
}

} // namespace

bool readPngHeader(const std::string& path, PngHeader& header)
{
    const std::string bytes = readWholeFile(path);
    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    if (bytes.size() < 33 || std::memcmp(bytes.data(), signature, 8) != 0 || bytes.compare(12, 4, "IHDR") != 0) {
        return false;
    }
    header.width = static_cast<int>(big32(bytes, 16));
    header.height = static_cast<int>(big32(bytes, 20));
    header.bitDepth = static_cast<unsigned char>(bytes[24]);
    header.colourType = static_cast<unsigned char>(bytes[25]);
    header.interlace = static_cast<unsigned char>(bytes[28]);
    return true;
}

bool readPng(const std::string& path, RgbaImage& image)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.assign(PNG_IMAGE_SIZE(png), 0);
    const bool read = png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return read;
}

bool readWav(const std::string& path, WavInfo& info)
{
    const std::string bytes = readWholeFile(path);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        little(bytes, 4, 4) + 8 != bytes.size()) {
        return false;
    }
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const size_t size = little(bytes, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > bytes.size()) {
            return false;
        }
        if (id == "fmt " && size >= 16) {
            info.format = static_cast<int>(little(bytes, body, 2));
            info.channels = static_cast<int>(little(bytes, body + 2, 2));
            info.rate = static_cast<int>(little(bytes, body + 4, 4));
            info.bits = static_cast<int>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && info.channels > 0 && info.bits > 0) {
            info.frames = size / static_cast<size_t>(info.channels * info.bits / 8);
            if (info.bits == 16) {
                for (size_t i = 0; i + 1 < size; i += 2) {
                    const int16_t sample = static_cast<int16_t>(little(bytes, body + i, 2));
                    info.peak = std::max(info.peak, std::abs(static_cast<int>(sample)));
                    info.samples.push_back(sample);
                }
            }
            return true;
        }
        at = body + size + (size % 2);
    }
    return false;
}

std::vector<std::string> filesBelow(const std::string& root)
{
    std::vector<std::string> files;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file()) {
            files.push_back(std::filesystem::relative(it->path(), root).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

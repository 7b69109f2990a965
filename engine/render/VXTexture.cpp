#include "engine/render/VXTexture.h"

#include "engine/core/VXLog.h"
#include "engine/render/VXGLNames.h"
#include "platform/HostPath.h"

#include <SDL.h>
#include <SDL_image.h>

#include <vector>

namespace {

// A surface whose pixels do not hold exactly 3 (RGB) or 4 (RGBA) bytes each
// (palette, grey or 16-bit images) would make GL read past its rows: such a
// surface is converted to bytes R, G, B(, A) first. Returns the surface to
// upload, which the caller frees; null when the conversion fails.
SDL_Surface* uploadableSurface(SDL_Surface* image, bool alpha)
{
    const int bytes = alpha ? 4 : 3;
    if (image->format->BytesPerPixel == bytes) {
        return image;
    }
    Uint32 r, g, b, a;
    if (SDL_BYTEORDER == SDL_LIL_ENDIAN) {
        r = 0x000000FF;
        g = 0x0000FF00;
        b = 0x00FF0000;
        a = alpha ? 0xFF000000 : 0;
    } else {
        r = alpha ? 0xFF000000 : 0x00FF0000;
        g = alpha ? 0x00FF0000 : 0x0000FF00;
        b = alpha ? 0x0000FF00 : 0x000000FF;
        a = alpha ? 0x000000FF : 0;
    }
    SDL_Surface* model = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, bytes * 8, r, g, b, a);
    if (model == nullptr) {
        SDL_FreeSurface(image);
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurface(image, model->format, SDL_SWSURFACE);
    SDL_FreeSurface(model);
    SDL_FreeSurface(image);
    return converted;
}

} // namespace

size_t uploadTexelBytes(GLenum format, GLenum type)
{
    size_t components = 4;
    switch (format) {
    case GL_RED:
    case GL_GREEN:
    case GL_BLUE:
    case GL_ALPHA:
    case GL_LUMINANCE:
    case GL_DEPTH_COMPONENT:
    case GL_STENCIL_INDEX:
    case GL_RED_INTEGER:
        components = 1;
        break;
    case GL_RG:
    case GL_LUMINANCE_ALPHA:
    case GL_DEPTH_STENCIL:
    case GL_RG_INTEGER:
        components = 2;
        break;
    case GL_RGB:
    case GL_BGR:
    case GL_RGB_INTEGER:
        components = 3;
        break;
    default:
        components = 4;
        break;
    }
    switch (type) {
    case GL_UNSIGNED_BYTE:
    case GL_BYTE:
        return components;
    case GL_UNSIGNED_SHORT:
    case GL_SHORT:
    case GL_HALF_FLOAT:
        return components * 2;
    case GL_UNSIGNED_INT:
    case GL_INT:
    case GL_FLOAT:
        return components * 4;
    case GL_FLOAT_32_UNSIGNED_INT_24_8_REV:
        return 8;
    case GL_UNSIGNED_BYTE_3_3_2:
    case GL_UNSIGNED_BYTE_2_3_3_REV:
        return 1;
    case GL_UNSIGNED_SHORT_5_6_5:
    case GL_UNSIGNED_SHORT_5_6_5_REV:
    case GL_UNSIGNED_SHORT_4_4_4_4:
    case GL_UNSIGNED_SHORT_4_4_4_4_REV:
    case GL_UNSIGNED_SHORT_5_5_5_1:
    case GL_UNSIGNED_SHORT_1_5_5_5_REV:
        return 2;
    case GL_UNSIGNED_INT_8_8_8_8:
    case GL_UNSIGNED_INT_8_8_8_8_REV:
    case GL_UNSIGNED_INT_10_10_10_2:
    case GL_UNSIGNED_INT_2_10_10_10_REV:
    case GL_UNSIGNED_INT_24_8:
    case GL_UNSIGNED_INT_10F_11F_11F_REV:
    case GL_UNSIGNED_INT_5_9_9_9_REV:
        return 4;
    default:
        // Unknown to us: the widest texel GL takes (four floats).
        return 16;
    }
}

VXTexture::VXTexture()
    : sampler(nullptr), name(0), width(0), height(0), internalFormat(GL_RGBA), format(GL_RGBA),
      target(GL_TEXTURE_2D), level(0), border(0), type(GL_UNSIGNED_BYTE)
{
}

void VXTexture::create(int width, int height, const VXTextureParameters* sampler, const void* pixels,
                       GLint internalFormat, GLenum format, GLenum target, GLint level, GLint border,
                       GLenum type)
{
    this->width = width;
    this->height = height;
    this->sampler = sampler;
    this->internalFormat = internalFormat;
    this->format = format;
    this->target = target;
    this->level = level;
    this->border = border;
    this->type = type;
    name = generateTextureName();
    glBindTexture(target, name);
    if (sampler != nullptr) {
        sampler->apply();
    }
    glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

void VXTexture::createEmpty(int width, int height, const VXTextureParameters* sampler, GLint internalFormat,
                            GLenum format, GLenum target, GLint level, GLint border, GLenum type)
{
    // GL leaves a texture made without data undefined; render targets such as
    // shadow maps must start at their clear value, so upload zeros: as many
    // bytes as GL reads for this format and type, each row padded to the
    // widest unpack alignment GL allows (8).
    if (width <= 0 || height <= 0) {
        create(width, height, sampler, nullptr, internalFormat, format, target, level, border, type);
        return;
    }
    const size_t row = (static_cast<size_t>(width) * uploadTexelBytes(format, type) + 7) / 8 * 8;
    const std::vector<unsigned char> zeros(row * static_cast<size_t>(height), 0);
    create(width, height, sampler, zeros.data(), internalFormat, format, target, level, border, type);
}

void VXTexture::createLike(const VXTexture& other)
{
    create(other.width, other.height, other.sampler, nullptr, other.internalFormat, other.format, other.target,
           other.level, other.border, other.type);
}

void VXTexture::loadImage(std::string path, const VXTextureParameters* sampler)
{
    SDL_Surface* image = IMG_Load(hostPath(path).c_str());
    const bool alpha = image != nullptr && image->format->Amask != 0;
    if (image != nullptr) {
        image = uploadableSurface(image, alpha);
    }
    if (image == nullptr) {
        name = 0;
        VXLog() << "Unable to load image file: " << path;
        return;
    }
    const GLenum imageFormat = alpha ? GL_RGBA : GL_RGB;
    create(image->w, image->h, sampler, image->pixels, imageFormat, imageFormat, GL_TEXTURE_2D, 0, 0,
           GL_UNSIGNED_BYTE);
    SDL_FreeSurface(image);
}

void VXTexture::bind(GLint samplerLocation, int unit) const
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(target, name);
    glUniform1i(samplerLocation, unit);
}

void VXTexture::generateMipmap()
{
    glBindTexture(target, name);
    glGenerateMipmap(target);
}

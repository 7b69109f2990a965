#include "engine/render/VXTexture.h"

#include "engine/render/VXGLNames.h"
#include "platform/HostPath.h"

#include <SDL.h>
#include <SDL_image.h>

#include <iostream>
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
    // shadow maps must start at their clear value, so upload zeros. 16 bytes
    // is the widest texel GL takes (four floats), plus room for row alignment.
    if (width <= 0 || height <= 0) {
        create(width, height, sampler, nullptr, internalFormat, format, target, level, border, type);
        return;
    }
    const std::vector<unsigned char> zeros((static_cast<size_t>(width) * 16 + 8) * static_cast<size_t>(height), 0);
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
        std::cout << "Unable to load image file: " << path << std::endl;
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

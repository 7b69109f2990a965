#include "Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include <png.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "Synth.h"

#ifndef VANTOREL_FONT_DIR
#define VANTOREL_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace datagen {

namespace {

const double PI = 3.14159265358979323846;

FT_Library library = nullptr;
cairo_font_face_t* faces[2] = {nullptr, nullptr};
const cairo_user_data_key_t FACE_KEY = {};

void releaseFace(void* face)
{
    FT_Done_Face(static_cast<FT_Face>(face));
}

cairo_font_face_t* loadFace(const char* file)
{
    const std::string path = std::string(VANTOREL_FONT_DIR) + "/" + file;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "cannot open font %s\n", path.c_str());
        return nullptr;
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    // The FreeType face must outlive every cairo use of it.
    if (cairo_font_face_set_user_data(cairoFace, &FACE_KEY, face, releaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(face);
        return nullptr;
    }
    return cairoFace;
}

// The surface as an 8-bit RGB or RGBA PNG, straight (not premultiplied)
// alpha. Every row is filtered with Sub and deflated at the best level: the
// flat-coloured pages come out about as small as with adaptive filtering and
// decode in half the time, which the game's start-up spends on them.
bool writePng(cairo_surface_t* surface, const std::string& path)
{
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    if (data == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const int channels = alpha ? 4 : 3;
    std::vector<unsigned char> row(static_cast<size_t>(width) * channels);
    bool written = false;
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_set_compression_level(png, 9);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            const uint32_t* pixels = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
            for (int x = 0; x < width; ++x) {
                const uint32_t pixel = pixels[x];
                unsigned char* out = &row[static_cast<size_t>(x) * channels];
                const uint32_t r = (pixel >> 16) & 0xff;
                const uint32_t g = (pixel >> 8) & 0xff;
                const uint32_t b = pixel & 0xff;
                if (!alpha) {
                    out[0] = static_cast<unsigned char>(r);
                    out[1] = static_cast<unsigned char>(g);
                    out[2] = static_cast<unsigned char>(b);
                    continue;
                }
                const uint32_t a = pixel >> 24;
                if (a == 0) {
                    out[0] = out[1] = out[2] = out[3] = 0;
                    continue;
                }
                out[0] = static_cast<unsigned char>((r * 255 + a / 2) / a);
                out[1] = static_cast<unsigned char>((g * 255 + a / 2) / a);
                out[2] = static_cast<unsigned char>((b * 255 + a / 2) / a);
                out[3] = static_cast<unsigned char>(a);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    return std::fclose(file) == 0 && written;
}

} // namespace

bool openFonts()
{
    if (FT_Init_FreeType(&library) != 0) {
        return false;
    }
    faces[0] = loadFace("DejaVuSans.ttf");
    faces[1] = loadFace("DejaVuSans-Bold.ttf");
    return faces[0] != nullptr && faces[1] != nullptr;
}

void closeFonts()
{
    for (cairo_font_face_t*& face : faces) {
        if (face != nullptr) {
            cairo_font_face_destroy(face);
            face = nullptr;
        }
    }
    cairo_debug_reset_static_data();
    if (library != nullptr) {
        FT_Done_FreeType(library);
        library = nullptr;
    }
}

Canvas::Canvas(int width, int height, bool alpha)
    : surface(cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height)),
      cr(cairo_create(surface)), w(width), h(height)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

Canvas::~Canvas()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

bool Canvas::save(const std::string& path)
{
    cairo_surface_flush(surface);
    if (!makeParentFolders(path)) {
        return false;
    }
    return writePng(surface, path);
}

void setColour(cairo_t* cr, const Colour& colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void setFont(cairo_t* cr, Font font, double size)
{
    cairo_set_font_face(cr, faces[font == Font::Bold ? 1 : 0]);
    cairo_set_font_size(cr, size);
}

void roundedRect(cairo_t* cr, double x, double y, double width, double height, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -PI / 2, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, PI / 2);
    cairo_arc(cr, x + radius, y + height - radius, radius, PI / 2, PI);
    cairo_arc(cr, x + radius, y + radius, radius, PI, 1.5 * PI);
    cairo_close_path(cr);
}

InkBox measure(cairo_t* cr, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return InkBox{extents.x_bearing, extents.y_bearing, extents.width, extents.height, extents.x_advance};
}

namespace {

void strokeAndFill(cairo_t* cr, const std::string& text, double x, double y, const Colour& fill, double outline)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    if (outline > 0.0) {
        setColour(cr, OUTLINE);
        cairo_set_line_width(cr, outline * 2.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, fill);
    cairo_fill(cr);
}

// Pen position for outlinedLine.
void linePen(cairo_t* cr, const std::string& text, double cx, double cy, double& x, double& y)
{
    const InkBox ink = measure(cr, text);
    const InkBox capital = measure(cr, "Hg");
    x = cx - ink.width / 2 - ink.x;
    y = cy - capital.height / 2 - capital.y;
}

} // namespace

void outlinedText(cairo_t* cr, const std::string& text, double cx, double cy, const Colour& fill, double outline)
{
    const InkBox ink = measure(cr, text);
    strokeAndFill(cr, text, cx - ink.width / 2 - ink.x, cy - ink.height / 2 - ink.y, fill, outline);
}

void outlinedLine(cairo_t* cr, const std::string& text, double cx, double cy, const Colour& fill, double outline)
{
    double x = 0.0;
    double y = 0.0;
    linePen(cr, text, cx, cy, x, y);
    strokeAndFill(cr, text, x, y, fill, outline);
}

InkBox lineBox(cairo_t* cr, const std::string& text, double cx, double cy, double outline)
{
    double x = 0.0;
    double y = 0.0;
    linePen(cr, text, cx, cy, x, y);
    const InkBox ink = measure(cr, text);
    return InkBox{x + ink.x - outline, y + ink.y - outline, ink.width + 2 * outline, ink.height + 2 * outline,
                  ink.advance};
}

double fitSize(cairo_t* cr, Font font, const std::string& text, double boxWidth, double boxHeight, double maxSize,
               double minSize, double margin)
{
    for (double size = maxSize; size >= minSize; size -= 1.0) {
        setFont(cr, font, size);
        const InkBox box = lineBox(cr, text, boxWidth / 2, boxHeight / 2, size / 12.0);
        if (box.x >= margin && box.y >= margin && box.x + box.width <= boxWidth - margin &&
            box.y + box.height <= boxHeight - margin) {
            return size;
        }
    }
    return 0.0;
}

std::vector<std::string> wrapText(cairo_t* cr, const std::string& text, double width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && measure(cr, candidate).advance > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void keycap(cairo_t* cr, double x, double y, double width, double height, const std::string& label)
{
    roundedRect(cr, x, y + 3, width, height, 6);
    cairo_set_source_rgba(cr, 0.05, 0.06, 0.1, 0.9);
    cairo_fill(cr);
    roundedRect(cr, x, y, width, height, 6);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, y, 0, y + height);
    cairo_pattern_add_color_stop_rgb(face, 0, 0.86, 0.88, 0.92);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.62, 0.65, 0.72);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(face);
    cairo_set_source_rgb(cr, 0.2, 0.22, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const double size = fitSize(cr, Font::Bold, label, width, height, height * 0.55, 6.0, 2.0);
    setFont(cr, Font::Bold, size > 0.0 ? size : 6.0);
    outlinedLine(cr, label, x + width / 2, y + height / 2, Colour{0.1, 0.11, 0.16}, 0.0);
}

void cube(cairo_t* cr, double x, double y, double size, const Colour& colour)
{
    const double depth = size * 0.35;
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // top
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + depth, y - depth);
    cairo_line_to(cr, x + size + depth, y - depth);
    cairo_line_to(cr, x + size, y);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, std::fmin(1.0, colour.r * 1.25 + 0.1), std::fmin(1.0, colour.g * 1.25 + 0.1),
                         std::fmin(1.0, colour.b * 1.25 + 0.1));
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE, 0.8);
    cairo_stroke(cr);
    // side
    cairo_move_to(cr, x + size, y);
    cairo_line_to(cr, x + size + depth, y - depth);
    cairo_line_to(cr, x + size + depth, y + size - depth);
    cairo_line_to(cr, x + size, y + size);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, colour.r * 0.6, colour.g * 0.6, colour.b * 0.6);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE, 0.8);
    cairo_stroke(cr);
    // front
    cairo_rectangle(cr, x, y, size, size);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE, 0.8);
    cairo_stroke(cr);
}

void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& colour, double lineWidth)
{
    const double angle = std::atan2(y1 - y0, x1 - x0);
    const double head = lineWidth * 3.0;
    setColour(cr, colour);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1 - head * 0.6 * std::cos(angle), y1 - head * 0.6 * std::sin(angle));
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x1 - head * std::cos(angle - 0.45), y1 - head * std::sin(angle - 0.45));
    cairo_line_to(cr, x1 - head * std::cos(angle + 0.45), y1 - head * std::sin(angle + 0.45));
    cairo_close_path(cr);
    cairo_fill(cr);
}

void figure(cairo_t* cr, double x, double feetY, double scale, const Colour& colour)
{
    const double s = scale;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5 * s);
    setColour(cr, OUTLINE);
    cairo_move_to(cr, x - 6 * s, feetY);
    cairo_line_to(cr, x - 3 * s, feetY - 16 * s);
    cairo_move_to(cr, x + 6 * s, feetY);
    cairo_line_to(cr, x + 3 * s, feetY - 16 * s);
    cairo_stroke(cr);
    roundedRect(cr, x - 9 * s, feetY - 38 * s, 18 * s, 24 * s, 5 * s);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, x, feetY - 46 * s, 8 * s, 0, 2 * PI);
    cairo_set_source_rgb(cr, 0.95, 0.82, 0.68);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE);
    cairo_stroke(cr);
}

void missile(cairo_t* cr, double x, double y, const Colour& colour, bool toRight)
{
    const double direction = toRight ? 1.0 : -1.0;
    for (int i = 1; i <= 3; ++i) {
        cairo_arc(cr, x - direction * (8.0 + 7.0 * i), y, 4.0 - i, 0, 2 * PI);
        setColour(cr, colour, 0.7 - 0.18 * i);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.8, 1.0);
    cairo_arc(cr, 0, 0, 6, 0, 2 * PI);
    cairo_restore(cr);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void burst(cairo_t* cr, double cx, double cy, double radius, const Colour& colour)
{
    const int points = 10;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.5;
        const double a = PI * i / points;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        } else {
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
    }
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

} // namespace datagen

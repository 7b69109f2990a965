#ifndef DATA_GENERATOR_CANVAS_H
#define DATA_GENERATOR_CANVAS_H

#include <cairo.h>

#include <string>
#include <vector>

#include "DataTables.h"

// Drawing helpers over cairo with the DejaVu fonts loaded straight from
// their files, so the output does not depend on the font configuration.
namespace datagen {

struct Colour {
    double r, g, b;
};

// Label ink: menu item labels only (see LABEL_INK_FLOOR).
const Colour LABEL_INK{1.0, 1.0, 1.0};
const Colour TITLE_GOLD{1.0, 0.78, 0.3};
const Colour BODY_TEXT{0.78, 0.84, 0.92};
const Colour OUTLINE{0.03, 0.04, 0.09};

enum class Font { Regular, Bold };

// Loads both faces; false when a font file is missing.
bool openFonts();
void closeFonts();

class Canvas {
public:
    Canvas(int width, int height, bool alpha);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* context() const { return cr; }
    int width() const { return w; }
    int height() const { return h; }
    bool save(const std::string& path);

private:
    cairo_surface_t* surface;
    cairo_t* cr;
    int w;
    int h;
};

void setColour(cairo_t* cr, const Colour& colour, double alpha = 1.0);
void setFont(cairo_t* cr, Font font, double size);
void roundedRect(cairo_t* cr, double x, double y, double width, double height, double radius);

// Ink extents of `text` at the current font.
struct InkBox {
    double x, y, width, height;   // relative to the drawing origin
    double advance;
};
InkBox measure(cairo_t* cr, const std::string& text);

// Draws `text` with a dark outline, its ink centred on (cx, cy).
void outlinedText(cairo_t* cr, const std::string& text, double cx, double cy, const Colour& fill,
                  double outline);

// The same, but with the baseline placed so that the span from capital top
// to descender is centred on cy: labels then sit alike whatever their letters.
void outlinedLine(cairo_t* cr, const std::string& text, double cx, double cy, const Colour& fill, double outline);

// The ink box `text` would cover when drawn by outlinedLine, outline included.
InkBox lineBox(cairo_t* cr, const std::string& text, double cx, double cy, double outline);

// The largest size up to `maxSize` at which `text`, drawn by outlinedLine
// centred in the box with an outline of size / 12, keeps `margin` inside
// every side; 0 when not even `minSize` fits.
double fitSize(cairo_t* cr, Font font, const std::string& text, double boxWidth, double boxHeight,
               double maxSize, double minSize, double margin);

// Splits `text` into lines no wider than `width` at the current font.
std::vector<std::string> wrapText(cairo_t* cr, const std::string& text, double width);

// Shapes used by several pictures.
void keycap(cairo_t* cr, double x, double y, double width, double height, const std::string& label);
void cube(cairo_t* cr, double x, double y, double size, const Colour& colour);
void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& colour, double lineWidth);
void figure(cairo_t* cr, double x, double feetY, double scale, const Colour& colour);
void missile(cairo_t* cr, double x, double y, const Colour& colour, bool toRight = true);
void burst(cairo_t* cr, double cx, double cy, double radius, const Colour& colour);

} // namespace datagen

#endif

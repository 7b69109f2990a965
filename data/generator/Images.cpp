#include "Images.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

#include "Canvas.h"
#include "DataTables.h"
#include "Synth.h"

namespace datagen {

namespace {

const double PI = 3.14159265358979323846;

const Colour BLUE{0.2, 0.45, 0.95};
const Colour RED{0.9, 0.25, 0.2};
const Colour GREY{0.55, 0.57, 0.62};
const Colour YELLOW{0.95, 0.78, 0.15};
const Colour GREEN{0.3, 0.78, 0.35};
const Colour GOAL{0.93, 0.93, 0.96};
// The acid block's material colour: the help pictures show acid as it looks in play.
const Colour ACID{0.78, 0.95, 0.05};
const Colour HERO{0.25, 0.5, 0.9};
const Colour GOLD{0.85, 0.65, 0.2};
const Colour MENU_GOAL{0.62, 0.64, 0.7};   // stays below the label ink on menu pages
const Colour PET{0.18, 0.7, 0.26};         // the pet is drawn as the green block
const Colour BLOB{0.56, 0.22, 0.78};       // the blob as the purple block
// The player's missiles, named and drawn by what the player sees: the
// counter that counts them and the block they build.
const Colour BLUE_MISSILE{0.3, 0.55, 1.0};
const Colour GREY_MISSILE{0.62, 0.64, 0.68};
const Colour RED_MISSILE{1.0, 0.42, 0.12};
// The HUD's tints of its three counters.
const Colour BLUE_COUNTER{0.0, 0.0, 1.0};
const Colour GREY_COUNTER{0.5, 0.5, 0.5};
const Colour ORANGE_COUNTER{1.0, 0.5, 0.0};

bool report(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    return false;
}

void leftText(cairo_t* cr, const std::string& text, double x, double cy, const Colour& colour)
{
    const InkBox ink = measure(cr, text);
    cairo_move_to(cr, x, cy - ink.y - ink.height / 2);
    setColour(cr, colour);
    cairo_show_text(cr, text.c_str());
}

// ---- Menu pages ----

void menuBackground(Canvas& canvas, uint32_t seed)
{
    cairo_t* cr = canvas.context();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, canvas.height());
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.07, 0.11, 0.24);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.02, 0.03, 0.07);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    // A faint floor of blocks, some of them lit.
    Noise noise(seed);
    const int cell = 40;
    for (int y = 0; y < canvas.height(); y += cell) {
        for (int x = 0; x < canvas.width(); x += cell) {
            cairo_rectangle(cr, x + 1.5, y + 1.5, cell - 3, cell - 3);
            if (noise.unit() < 0.12f) {
                cairo_set_source_rgba(cr, 0.3, 0.45, 0.9, 0.05 + 0.05 * noise.unit());
                cairo_fill_preserve(cr);
            }
            cairo_set_source_rgba(cr, 0.5, 0.6, 0.9, 0.05);
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
        }
    }

    cairo_pattern_t* vignette = cairo_pattern_create_radial(canvas.width() / 2.0, canvas.height() / 2.0,
                                                            canvas.height() * 0.3, canvas.width() / 2.0,
                                                            canvas.height() / 2.0, canvas.width() * 0.65);
    cairo_pattern_add_color_stop_rgba(vignette, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vignette, 1, 0, 0, 0, 0.55);
    cairo_set_source(cr, vignette);
    cairo_paint(cr);
    cairo_pattern_destroy(vignette);
}

bool title(cairo_t* cr, const std::string& text, double cy, double maxSize, double room)
{
    const double size = fitSize(cr, Font::Bold, text, MENU_WIDTH - 40, room, maxSize, 16, 2);
    if (size == 0.0) {
        return report("title does not fit: " + text);
    }
    setFont(cr, Font::Bold, size);
    outlinedLine(cr, text, MENU_WIDTH / 2.0, cy, TITLE_GOLD, size / 16.0);
    return true;
}

void centredBody(cairo_t* cr, const std::string& text, double cy, double size)
{
    setFont(cr, Font::Regular, size);
    outlinedLine(cr, text, MENU_WIDTH / 2.0, cy, BODY_TEXT, 1.5);
}

struct Panel {
    double x, y, width, height;
};

Panel panelOf(const MenuItem& item)
{
    const PixelRect rect = pixelRect(item);
    const double width = rect.right - rect.left;
    const double height = rect.bottom - rect.top;
    const double panelWidth = width >= MENU_WIDTH ? 380.0 : width - 6.0;
    const double panelHeight = std::fmin(height - 6.0, 64.0);
    return Panel{rect.left + (width - panelWidth) / 2, rect.top + (height - panelHeight) / 2, panelWidth,
                 panelHeight};
}

// One size for every label of a page, the largest at which all fit.
double labelSize(cairo_t* cr, const MenuPage& page, double maxSize)
{
    double size = maxSize;
    for (const MenuItem& item : page.items) {
        const Panel panel = panelOf(item);
        const double fits = fitSize(cr, Font::Bold, item.label, panel.width, panel.height, size, 12, 3);
        if (fits == 0.0) {
            report("menu label does not fit: " + item.label);
            return 0.0;
        }
        size = fits;
    }
    return size;
}

void drawPanel(cairo_t* cr, const Panel& panel)
{
    roundedRect(cr, panel.x, panel.y, panel.width, panel.height, 8);
    cairo_set_source_rgba(cr, 0.1, 0.14, 0.3, 0.55);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.45, 0.55, 0.85, 0.35);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void itemLabel(cairo_t* cr, const MenuItem& item, double size)
{
    const Panel panel = panelOf(item);
    drawPanel(cr, panel);
    setFont(cr, Font::Bold, size);
    outlinedLine(cr, item.label, panel.x + panel.width / 2, panel.y + panel.height / 2, LABEL_INK, size / 12.0);
}

// A counter as the HUD shows it, tinted digits in a dark outline, on a chip
// of floor grey like the scene behind the HUD; (x, y) is the chip's top left.
void counterChip(cairo_t* cr, double x, double y, double digitHeight, const Colour& tint, const std::string& digits)
{
    const double digitWidth = digitHeight * 2.0 / 3.0;
    const double pad = digitHeight * 0.15;
    roundedRect(cr, x, y, digitWidth * digits.size() + 2 * pad, digitHeight + 2 * pad, pad);
    cairo_set_source_rgb(cr, 0.4, 0.43, 0.39);
    cairo_fill(cr);
    setFont(cr, Font::Bold, digitHeight * 0.85);
    for (size_t i = 0; i < digits.size(); ++i) {
        outlinedText(cr, digits.substr(i, 1), x + pad + digitWidth * (i + 0.5), y + pad + digitHeight / 2, tint,
                     digitHeight / 12.0);
    }
}

struct Control {
    const char* keys;
    const char* action;
    const char* detail;      // a second, smaller line; may be empty
    const Colour* missile;   // the missile fired, drawn before the action
};

void controlsList(cairo_t* cr)
{
    const Control controls[] = {
        {"Arrows", "Walk", "", nullptr},
        {"Space", "Jump", "", nullptr},
        {"Z / Return", "Blue missile", "builds blue, breaks red", &BLUE_MISSILE},
        {"X", "Destroy missile", "removes red or blue", &GREY_MISSILE},
        {"C", "Red missile", "builds red, burns blue", &RED_MISSILE},
        {"Shift / Ctrl", "Turn without walking", "", nullptr},
        {"A / D", "Turn the camera", "", nullptr},
        {"W / S", "Zoom", "", nullptr},
        {"Esc", "Pause menu", "", nullptr},
        {"F12", "Restart the level", "", nullptr},
        {"F5 / F6", "Level back / on", "", nullptr},
        {"M", "Pause the music", "", nullptr},
        {"N", "Next track", "", nullptr},
        {"+ / -", "Music volume", "", nullptr},
        {"0 / 9", "Effects volume", "", nullptr},
    };
    const int rows = 8;
    int index = 0;
    for (const Control& control : controls) {
        const double x = index < rows ? 40.0 : 420.0;
        const double y = 100.0 + 52.0 * (index % rows);
        keycap(cr, x, y, 120, 34, control.keys);
        double textX = x + 136;
        if (control.missile != nullptr) {
            missile(cr, textX + 26, y + 17, *control.missile);
            textX += 44;
        }
        if (control.detail[0] == '\0') {
            setFont(cr, Font::Regular, 19);
            leftText(cr, control.action, textX, y + 17, BODY_TEXT);
        } else {
            setFont(cr, Font::Regular, 18);
            leftText(cr, control.action, textX, y + 8, BODY_TEXT);
            setFont(cr, Font::Regular, 14);
            leftText(cr, control.detail, textX, y + 28, Colour{0.62, 0.68, 0.78});
        }
        ++index;
    }
    const double x = 420.0;
    const double y = 100.0 + 52.0 * (rows - 1);
    // The three counters of the HUD's top right corner, each with its key.
    setFont(cr, Font::Regular, 16);
    leftText(cr, "Missiles left:", x, y + 17, BODY_TEXT);
    const Colour* tints[] = {&BLUE_COUNTER, &GREY_COUNTER, &ORANGE_COUNTER};
    const char* keys[] = {"Z", "X", "C"};
    for (int k = 0; k < 3; ++k) {
        const double chipX = x + 112 + 82 * k;
        counterChip(cr, chipX, y + 3, 22, *tints[k], "020");
        setFont(cr, Font::Bold, 16);
        leftText(cr, keys[k], chipX + 55, y + 17, BODY_TEXT);
    }
}

void blockPile(cairo_t* cr)
{
    const Colour bottom[] = {BLUE, RED, YELLOW, GREEN, BLUE};
    const double size = 38;
    for (int i = 0; i < 5; ++i) {
        cube(cr, 305 + i * size, 350, size, bottom[i]);
    }
    const Colour middle[] = {GREY, RED, BLUE};
    for (int i = 0; i < 3; ++i) {
        cube(cr, 343 + i * size, 312, size, middle[i]);
    }
    cube(cr, 381, 274, size, MENU_GOAL);
    figure(cr, 262, 388, 1.1, HERO);
}

// `text` cut short with an ellipsis until it is no wider than `width` at the
// current font (whole UTF-8 characters only).
std::string shortened(cairo_t* cr, std::string text, double width)
{
    if (measure(cr, text).advance <= width) {
        return text;
    }
    while (!text.empty() && measure(cr, text + "\u2026").advance > width) {
        text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) {
            text.pop_back();
        }
    }
    return text + "\u2026";
}

// The level's number in a gold badge and its name beside it, on one line or
// wrapped onto two, as large as fits; a name too long even so is cut short.
void levelSlot(cairo_t* cr, const MenuItem& item, int number, const std::string& name)
{
    const Panel panel = panelOf(item);
    drawPanel(cr, panel);

    const double badge = 11.0;
    const double badgeX = panel.x + 5 + badge;
    const double middle = panel.y + panel.height / 2;
    cairo_arc(cr, badgeX, middle, badge, 0, 2 * PI);
    setColour(cr, Colour{0.3, 0.24, 0.08});
    cairo_fill_preserve(cr);
    setColour(cr, TITLE_GOLD);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    setFont(cr, Font::Bold, number < 10 ? 14 : 12);
    outlinedText(cr, std::to_string(number), badgeX, middle, TITLE_GOLD, 0.0);

    const double left = badgeX + badge + 5;
    const double width = panel.x + panel.width - 4 - left;
    const double height = panel.height - 4;
    const double smallest = 11;
    std::vector<std::string> lines;
    double size = 17;
    for (; size >= smallest; size -= 1) {
        setFont(cr, Font::Bold, size);
        lines = {name};
        if (measure(cr, name).advance + size / 6 > width) {
            lines = wrapText(cr, name, width - size / 6);
        }
        bool fits = lines.size() <= 2 && lines.size() * size * 1.2 <= height;
        for (const std::string& line : lines) {
            fits = fits && measure(cr, line).advance + size / 6 <= width;
        }
        if (fits) {
            break;
        }
    }
    if (size < smallest) {
        size = smallest;
        setFont(cr, Font::Bold, size);
        lines = {shortened(cr, name, width - size / 6)};
    }
    double y = middle - (lines.size() - 1) * size * 1.2 / 2;
    for (const std::string& line : lines) {
        const InkBox box = lineBox(cr, line, 0, 0, 0);
        outlinedLine(cr, line, left + box.width / 2 + size / 12, y, LABEL_INK, size / 12);
        y += size * 1.2;
    }
}

// A slot past the end of the level list: an empty dashed frame.
void emptySlot(cairo_t* cr, const MenuItem& item)
{
    const Panel panel = panelOf(item);
    roundedRect(cr, panel.x + 0.5, panel.y + 0.5, panel.width - 1, panel.height - 1, 8);
    const double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_source_rgba(cr, 0.45, 0.55, 0.85, 0.3);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

bool drawPage(const MenuPage& page, const std::string& path, const std::vector<std::string>& levels)
{
    Canvas canvas(MENU_WIDTH, MENU_HEIGHT, false);
    cairo_t* cr = canvas.context();
    menuBackground(canvas, hashName(page.image));
    const PixelRect first = pixelRect(page.items.front());
    bool fine = true;
    double maxLabel = 30;
    if (page.image == "MenuStart") {
        fine = title(cr, page.title, 140, 130, 150);
        centredBody(cr, "build, break and climb your way to the goal", 232, 22);
        blockPile(cr);
        maxLabel = 36;
    } else if (page.image == "main") {
        fine = title(cr, page.title, 95, 96, 130);
        centredBody(cr, "Up / Down select     Return choose     Esc leave", 555, 18);
    } else if (page.image == "main_levels") {
        fine = title(cr, page.title, 38, 44, 60);
        maxLabel = 22;
    } else if (page.image == "controls") {
        fine = title(cr, page.title, 50, 48, 70);
        controlsList(cr);
        maxLabel = 22;
    } else if (page.image == "credits") {
        fine = title(cr, page.title, 60, 52, 80);
        const char* lines[] = {"Vantorel", "Design, code, pictures, sounds and music by the Vantorel team.",
                               "Every image and every sound is generated from the game's own source.",
                               "Text set in DejaVu Sans; drawn with cairo.", "Thank you for playing!"};
        double y = 160;
        for (const char* line : lines) {
            centredBody(cr, line, y, y == 160 ? 30 : 20);
            y += 70;
        }
        maxLabel = 22;
    } else if (page.image == "volume_controls") {
        fine = title(cr, page.title, 80, 52, 90);
        centredBody(cr, "for the sound you chose on the page before", 150, 18);
    } else {
        fine = title(cr, page.title, first.top / 2.0, 56, first.top - 16.0);
    }
    if (page.image == "main_levels") {
        // The shipped levels by name in the slots the highlight can reach;
        // the slots after the list's end stay visibly empty.
        for (int slot = 0; slot < LEVEL_SLOT_COUNT; ++slot) {
            const MenuItem& item = page.items[static_cast<size_t>(slot)];
            if (slot < static_cast<int>(levels.size())) {
                levelSlot(cr, item, slot + 1, levels[static_cast<size_t>(slot)]);
            } else {
                emptySlot(cr, item);
            }
        }
        const MenuItem& back = page.items.back();
        const Panel panel = panelOf(back);
        const double size = fitSize(cr, Font::Bold, back.label, panel.width, panel.height, maxLabel, 12, 3);
        itemLabel(cr, back, size);
        return fine && size > 0.0 && (canvas.save(path) || report("cannot write " + path));
    }
    const double size = labelSize(cr, page, maxLabel);
    for (const MenuItem& item : page.items) {
        itemLabel(cr, item, size);
    }
    return fine && size > 0.0 && (canvas.save(path) || report("cannot write " + path));
}

bool writeMenus(const std::string& root, const std::vector<std::string>& levels)
{
    std::set<std::string> drawn;
    for (const MenuPage& page : menuPages()) {
        if (!drawn.insert(page.image).second) {
            continue;
        }
        if (!drawPage(page, root + "/Data/Status/Main_menu/" + page.image + ".png", levels)) {
            return false;
        }
    }
    // Stretched over rectangles of every shape, so it varies only from top
    // to bottom, symmetrically: the first and last rows match and the
    // linear filter's wrap-around blends nothing foreign in.
    Canvas highlight(64, 16, true);
    for (int row = 0; row < 16; ++row) {
        const double alpha = 0.3 + 0.15 * std::sin(PI * (row + 0.5) / 16.0);
        cairo_rectangle(highlight.context(), 0, row, 64, 1);
        cairo_set_source_rgba(highlight.context(), 0.55, 0.8, 1.0, alpha);
        cairo_fill(highlight.context());
    }
    const std::string path = root + "/Data/Status/Main_menu/highlight.png";
    return highlight.save(path) || report("cannot write " + path);
}

// ---- HUD sprites ----

// White, so that the counter's tint colours them, inside a dark outline wide
// enough to part them from blocks of that tint's own colour; all ten at one
// size, drawn tall to fill the 2:3 cell. The HUD shows them at half size.
bool writeDigits(const std::string& root)
{
    const double outline = 5.0;
    const double room = 2 * outline + 4;
    Canvas probe(DIGIT_WIDTH, DIGIT_HEIGHT, true);
    double widest = 0.0;
    double tallest = 0.0;
    setFont(probe.context(), Font::Bold, 100.0);
    for (size_t d = 0; d < digitNames().size(); ++d) {
        const InkBox ink = measure(probe.context(), std::to_string(d));
        widest = std::fmax(widest, ink.width);
        tallest = std::fmax(tallest, ink.height);
    }
    const double width = 100.0 * (DIGIT_WIDTH - room) / widest;
    const double height = std::fmin(width * 1.4, 100.0 * (DIGIT_HEIGHT - room) / tallest);
    cairo_matrix_t tall;
    cairo_matrix_init_scale(&tall, width, height);
    for (size_t d = 0; d < digitNames().size(); ++d) {
        Canvas canvas(DIGIT_WIDTH, DIGIT_HEIGHT, true);
        cairo_t* cr = canvas.context();
        setFont(cr, Font::Bold, width);
        cairo_set_font_matrix(cr, &tall);
        outlinedText(cr, std::to_string(d), DIGIT_WIDTH / 2.0, DIGIT_HEIGHT / 2.0, LABEL_INK, outline);
        const std::string path = root + "/Data/Status/Numeric/" + digitNames()[d] + ".png";
        if (!canvas.save(path)) {
            return report("cannot write " + path);
        }
    }
    return true;
}

// (x^2 + y^2 - 1)^3 - x^2 y^3 <= 0, y up.
double heartValue(double x, double y)
{
    const double a = x * x + y * y - 1.0;
    return a * a * a - x * x * y * y * y;
}

// The curve as a polygon, by bisection along rays from the origin (inside).
void heartPath(cairo_t* cr, double cx, double cy, double scale)
{
    const int steps = 360;
    for (int i = 0; i < steps; ++i) {
        const double angle = 2.0 * PI * i / steps;
        double inside = 0.0;
        double outside = 2.0;
        for (int k = 0; k < 40; ++k) {
            const double middle = 0.5 * (inside + outside);
            if (heartValue(middle * std::cos(angle), middle * std::sin(angle)) <= 0.0) {
                inside = middle;
            } else {
                outside = middle;
            }
        }
        const double x = cx + scale * inside * std::cos(angle);
        const double y = cy - scale * inside * std::sin(angle);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

bool writeHearts(const std::string& root)
{
    // The curve spans x -1.14..1.14 and y -1..1.24: centre that box.
    const double scale = 50.0;
    const double cx = HEART_SIZE / 2.0;
    const double cy = HEART_SIZE / 2.0 + scale * 0.12;
    for (size_t quarters = 1; quarters <= heartNames().size(); ++quarters) {
        Canvas canvas(HEART_SIZE, HEART_SIZE, true);
        cairo_t* cr = canvas.context();
        heartPath(cr, cx, cy, scale);
        cairo_set_source_rgba(cr, 0.15, 0.02, 0.05, 0.55);
        cairo_fill(cr);

        // Filled clockwise from the top left: top left, top right, bottom right, bottom left.
        const double middleY = cy - scale * 0.12;
        const double corners[4][2] = {{0, 0}, {cx, 0}, {cx, middleY}, {0, middleY}};
        cairo_save(cr);
        for (size_t q = 0; q < quarters; ++q) {
            cairo_rectangle(cr, corners[q][0], corners[q][1], cx, q < 2 ? middleY : HEART_SIZE - middleY);
        }
        cairo_clip(cr);
        heartPath(cr, cx, cy, scale);
        cairo_pattern_t* shine = cairo_pattern_create_radial(cx - 20, cy - 45, 5, cx, cy - 10, 70);
        cairo_pattern_add_color_stop_rgb(shine, 0, 1.0, 0.97, 0.97);
        cairo_pattern_add_color_stop_rgb(shine, 1, 1.0, 0.78, 0.82);
        cairo_set_source(cr, shine);
        cairo_fill(cr);
        cairo_pattern_destroy(shine);
        cairo_restore(cr);

        if (quarters < heartNames().size()) {
            cairo_save(cr);
            heartPath(cr, cx, cy, scale);
            cairo_clip(cr);
            cairo_move_to(cr, cx, 0);
            cairo_line_to(cr, cx, HEART_SIZE);
            cairo_move_to(cr, 0, middleY);
            cairo_line_to(cr, HEART_SIZE, middleY);
            cairo_set_source_rgba(cr, 0.2, 0.02, 0.05, 0.7);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        heartPath(cr, cx, cy, scale);
        cairo_set_source_rgba(cr, 0.2, 0.02, 0.05, 0.95);
        cairo_set_line_width(cr, 4.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);

        const std::string path = root + "/Data/Status/Health/" + heartNames()[quarters - 1] + ".png";
        if (!canvas.save(path)) {
            return report("cannot write " + path);
        }
    }
    return true;
}

bool writeHud(const std::string& root)
{
    Canvas canvas(16, 16, true);
    roundedRect(canvas.context(), 1.5, 1.5, 13, 13, 3);
    cairo_set_source_rgba(canvas.context(), 0.1, 0.14, 0.3, 0.6);
    cairo_fill_preserve(canvas.context());
    cairo_set_source_rgba(canvas.context(), 0.6, 0.7, 0.95, 0.8);
    cairo_set_line_width(canvas.context(), 1.0);
    cairo_stroke(canvas.context());
    const std::string path = root + "/Data/Status/Hud.png";
    return canvas.save(path) || report("cannot write " + path);
}

// ---- Help images ----

// Each picture draws into a 170 x 130 box with its origin at the top left.
using Picture = std::function<void(cairo_t*)>;

// The creeper's ball as the game draws it: plates of two blue-greys that
// alternate around the axis it rolls about (here across the picture), and a
// red cap at each end of that axis.
void creeperBall(cairo_t* cr, double x, double y, double r)
{
    const int plates = 10;
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_clip(cr);
    for (int plate = 0; plate < plates / 2; ++plate) {
        // The plate between two meridians about the horizontal axis, seen
        // from the front: between two half-ellipses from pole to pole.
        const double from = std::cos(PI * plate / (plates / 2));
        const double to = std::cos(PI * (plate + 1) / (plates / 2));
        const int steps = 24;
        for (int i = 0; i <= steps; ++i) {
            const double a = PI * i / steps;
            const double px = x - r * std::cos(a);
            const double py = y - r * std::sin(a) * from;
            if (i == 0) {
                cairo_move_to(cr, px, py);
            } else {
                cairo_line_to(cr, px, py);
            }
        }
        for (int i = steps; i >= 0; --i) {
            const double a = PI * i / steps;
            cairo_line_to(cr, x - r * std::cos(a), y - r * std::sin(a) * to);
        }
        cairo_close_path(cr);
        if (plate % 2 == 0) {
            cairo_set_source_rgb(cr, 0.25, 0.28, 0.38);
        } else {
            cairo_set_source_rgb(cr, 0.6, 0.64, 0.72);
        }
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.75, 0.2, 0.15);
    cairo_rectangle(cr, x - r, y - r, r * 0.18, 2 * r);
    cairo_rectangle(cr, x + r * 0.82, y - r, r * 0.18, 2 * r);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void zealot(cairo_t* cr, double x, double feetY)
{
    cairo_move_to(cr, x, feetY - 56);
    cairo_line_to(cr, x + 16, feetY - 28);
    cairo_line_to(cr, x, feetY);
    cairo_line_to(cr, x - 16, feetY - 28);
    cairo_close_path(cr);
    cairo_pattern_t* glass = cairo_pattern_create_linear(x - 16, 0, x + 16, 0);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.6, 0.3, 0.9);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.3, 0.8, 0.9);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void anubisFigure(cairo_t* cr, double x, double feetY)
{
    figure(cr, x, feetY, 1.1, Colour{0.25, 0.2, 0.12});
    const double headY = feetY - 46 * 1.1;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * 3, headY - 6);
        cairo_line_to(cr, x + side * 7, headY - 22);
        cairo_line_to(cr, x + side * 9, headY - 4);
        cairo_close_path(cr);
        setColour(cr, GOLD);
        cairo_fill(cr);
    }
}

void helpSign(cairo_t* cr, double x, double y, double r)
{
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    setColour(cr, GOLD);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    setFont(cr, Font::Bold, r * 1.4);
    outlinedText(cr, "?", x, y, Colour{1.0, 1.0, 0.9}, 1.5);
}

void outlined(cairo_t* cr, const Colour& colour)
{
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, OUTLINE);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// The three pickups as their models look, centred on (x, y): the blue gem
// with its light band, the orange cartridge with its dark band, the grey
// spiked mine.
void blueGem(cairo_t* cr, double x, double y)
{
    cairo_move_to(cr, x, y - 18);
    cairo_line_to(cr, x + 12, y);
    cairo_line_to(cr, x, y + 18);
    cairo_line_to(cr, x - 12, y);
    cairo_close_path(cr);
    outlined(cr, Colour{0.2, 0.4, 1.0});
    cairo_rectangle(cr, x - 11, y - 1.5, 22, 3);
    cairo_set_source_rgb(cr, 0.85, 0.9, 1.0);
    cairo_fill(cr);
}

void orangeCartridge(cairo_t* cr, double x, double y)
{
    cairo_move_to(cr, x - 8, y + 16);
    cairo_line_to(cr, x - 8, y - 2);
    cairo_line_to(cr, x, y - 18);
    cairo_line_to(cr, x + 8, y - 2);
    cairo_line_to(cr, x + 8, y + 16);
    cairo_close_path(cr);
    outlined(cr, ORANGE_COUNTER);
    cairo_rectangle(cr, x - 9, y + 7, 18, 5);
    outlined(cr, Colour{0.6, 0.15, 0.05});
}

void greyMine(cairo_t* cr, double x, double y)
{
    for (int spike = 0; spike < 4; ++spike) {
        const double a = PI / 2 * spike;
        const double c = std::cos(a);
        const double d = std::sin(a);
        cairo_move_to(cr, x + 17 * c, y + 17 * d);
        cairo_line_to(cr, x + 8 * c - 4 * d, y + 8 * d + 4 * c);
        cairo_line_to(cr, x + 8 * c + 4 * d, y + 8 * d - 4 * c);
        cairo_close_path(cr);
        outlined(cr, Colour{0.36, 0.36, 0.38});
    }
    roundedRect(cr, x - 9, y - 9, 18, 18, 4);
    outlined(cr, Colour{0.5, 0.5, 0.5});
}

void curvedArrow(cairo_t* cr, double cx, double cy, double r, double from, double to, const Colour& colour)
{
    setColour(cr, colour);
    cairo_set_line_width(cr, 4);
    cairo_arc(cr, cx, cy, r, from, to);
    cairo_stroke(cr);
    const double ex = cx + r * std::cos(to);
    const double ey = cy + r * std::sin(to);
    const double tangent = to + PI / 2;
    arrow(cr, ex - 2 * std::cos(tangent), ey - 2 * std::sin(tangent), ex + 6 * std::cos(tangent),
          ey + 6 * std::sin(tangent), colour, 4);
}

const std::map<std::string, Picture>& pictures()
{
    static const std::map<std::string, Picture> table = {
        {"movement",
         [](cairo_t* cr) {
             keycap(cr, 66, 14, 38, 32, "\u2191");
             keycap(cr, 24, 52, 38, 32, "\u2190");
             keycap(cr, 66, 52, 38, 32, "\u2193");
             keycap(cr, 108, 52, 38, 32, "\u2192");
             keycap(cr, 24, 92, 122, 26, "Space");
         }},
        {"blueblocks",
         [](cairo_t* cr) {
             keycap(cr, 6, 8, 30, 28, "Z");
             figure(cr, 24, 122, 0.9, HERO);
             for (int column = 0; column < 3; ++column) {
                 for (int level = 0; level <= column; ++level) {
                     cube(cr, 66 + 26 * column, 97 - 25 * level, 25, BLUE);
                 }
             }
             missile(cr, 80, 30, BLUE_MISSILE);
         }},
        {"camera",
         [](cairo_t* cr) {
             cube(cr, 62, 62, 38, GREY);
             curvedArrow(cr, 88, 72, 52, PI * 1.15, PI * 1.85, Colour{0.9, 0.9, 0.5});
             keycap(cr, 6, 90, 32, 30, "A");
             keycap(cr, 132, 90, 32, 30, "D");
             keycap(cr, 6, 8, 32, 26, "W");
             keycap(cr, 132, 8, 32, 26, "S");
         }},
        {"destroy",
         [](cairo_t* cr) {
             keycap(cr, 6, 8, 30, 28, "X");
             figure(cr, 24, 122, 0.9, HERO);
             missile(cr, 72, 84, GREY_MISSILE);
             cube(cr, 112, 70, 34, RED);
             burst(cr, 124, 86, 20, Colour{1.0, 0.85, 0.3});
         }},
        {"elevators",
         [](cairo_t* cr) {
             cube(cr, 50, 80, 42, YELLOW);
             figure(cr, 71, 80, 0.85, HERO);
             arrow(cr, 140, 118, 140, 24, Colour{0.95, 0.85, 0.3}, 5);
         }},
        {"shift",
         [](cairo_t* cr) {
             figure(cr, 110, 112, 1.0, HERO);
             curvedArrow(cr, 110, 80, 34, PI * 0.1, PI * 1.6, Colour{0.6, 0.85, 1.0});
             keycap(cr, 6, 92, 64, 28, "Shift");
             keycap(cr, 6, 56, 64, 28, "Ctrl");
         }},
        {"pet",
         [](cairo_t* cr) {
             cube(cr, 14, 84, 38, PET);
             figure(cr, 37, 80, 0.75, HERO);
             arrow(cr, 72, 118, 72, 24, Colour{0.6, 1.0, 0.6}, 4);
             cube(cr, 118, 92, 30, BLOB);
             missile(cr, 106, 62, BLUE_MISSILE);
             burst(cr, 134, 100, 11, Colour{1.0, 0.85, 0.3});
         }},
        {"anubis",
         [](cairo_t* cr) {
             figure(cr, 22, 122, 0.9, HERO);
             anubisFigure(cr, 140, 122);
             missile(cr, 84, 70, RED_MISSILE, false);
         }},
        {"beware",
         [](cairo_t* cr) {
             cube(cr, 24, 70, 48, ACID);
             for (int drip = 0; drip < 3; ++drip) {
                 cairo_arc(cr, 34 + 14 * drip, 124 - 4 * (drip % 2), 3.5, 0, 2 * PI);
                 setColour(cr, ACID);
                 cairo_fill(cr);
             }
             cairo_move_to(cr, 124, 14);
             cairo_line_to(cr, 162, 80);
             cairo_line_to(cr, 86, 80);
             cairo_close_path(cr);
             setColour(cr, YELLOW);
             cairo_fill_preserve(cr);
             setColour(cr, OUTLINE);
             cairo_set_line_width(cr, 2.5);
             cairo_stroke(cr);
             setFont(cr, Font::Bold, 40);
             outlinedText(cr, "!", 124, 56, OUTLINE, 0.0);
         }},
        {"creepers",
         [](cairo_t* cr) {
             figure(cr, 24, 122, 0.9, HERO);
             creeperBall(cr, 118, 96, 24);
             cairo_set_source_rgba(cr, 0.8, 0.9, 1.0, 0.6);
             cairo_set_line_width(cr, 2.5);
             for (int line = 0; line < 3; ++line) {
                 cairo_move_to(cr, 150, 84 + 12 * line);
                 cairo_line_to(cr, 166, 84 + 12 * line);
             }
             cairo_stroke(cr);
             burst(cr, 80, 40, 26, Colour{1.0, 0.6, 0.2});
         }},
        {"goal",
         [](cairo_t* cr) {
             figure(cr, 30, 122, 0.9, HERO);
             cube(cr, 90, 76, 46, GOAL);
             burst(cr, 113, 99, 14, Colour{1.0, 0.85, 0.3});
             arrow(cr, 48, 100, 82, 100, Colour{0.9, 0.9, 0.5}, 4);
         }},
        {"help",
         [](cairo_t* cr) {
             figure(cr, 40, 122, 0.9, HERO);
             helpSign(cr, 114, 62, 30);
             curvedArrow(cr, 114, 62, 42, PI * 0.2, PI * 0.8, Colour{0.9, 0.9, 0.5});
         }},
        {"red_blue",
         [](cairo_t* cr) {
             cube(cr, 18, 76, 40, RED);
             cube(cr, 112, 76, 40, BLUE);
             missile(cr, 66, 40, BLUE_MISSILE, false);
             missile(cr, 104, 60, RED_MISSILE, true);
             burst(cr, 38, 96, 14, Colour{1.0, 0.85, 0.3});
             burst(cr, 132, 96, 14, Colour{1.0, 0.85, 0.3});
         }},
        {"stuck",
         [](cairo_t* cr) {
             keycap(cr, 14, 24, 64, 40, "F12");
             keycap(cr, 92, 24, 64, 40, "Esc");
             curvedArrow(cr, 46, 100, 18, PI * 1.3, PI * 2.9, Colour{0.6, 0.85, 1.0});
             // What Esc opens: the pause sign.
             roundedRect(cr, 104, 84, 40, 34, 5);
             cairo_set_source_rgba(cr, 0.6, 0.85, 1.0, 0.9);
             cairo_set_line_width(cr, 3);
             cairo_stroke(cr);
             cairo_rectangle(cr, 115, 91, 6, 20);
             cairo_rectangle(cr, 127, 91, 6, 20);
             cairo_fill(cr);
         }},
        {"wraithblade",
         [](cairo_t* cr) {
             zealot(cr, 30, 120);
             cairo_set_source_rgba(cr, 0.9, 0.9, 0.5, 0.9);
             cairo_set_line_width(cr, 3);
             const double dash[] = {6, 5};
             cairo_set_dash(cr, dash, 2, 0);
             cairo_move_to(cr, 44, 70);
             cairo_curve_to(cr, 80, 10, 120, 10, 150, 100);
             cairo_stroke(cr);
             cairo_set_dash(cr, nullptr, 0, 0);
             arrow(cr, 146, 88, 152, 108, Colour{0.9, 0.9, 0.5}, 3);
             figure(cr, 110, 124, 0.75, HERO);
             arrow(cr, 110, 128, 84, 128, Colour{0.6, 1.0, 0.6}, 3);
         }},
        {"x",
         [](cairo_t* cr) {
             keycap(cr, 8, 36, 48, 48, "X");
             counterChip(cr, 8, 94, 20, GREY_COUNTER, "020");
             missile(cr, 96, 60, GREY_MISSILE);
             cube(cr, 120, 80, 30, RED);
             burst(cr, 135, 95, 13, Colour{1.0, 0.85, 0.3});
         }},
        {"z",
         [](cairo_t* cr) {
             keycap(cr, 8, 36, 48, 48, "Z");
             counterChip(cr, 8, 94, 20, BLUE_COUNTER, "020");
             missile(cr, 96, 60, BLUE_MISSILE);
             cube(cr, 120, 80, 30, BLUE);
         }},
        {"c",
         [](cairo_t* cr) {
             keycap(cr, 8, 36, 48, 48, "C");
             counterChip(cr, 8, 94, 20, ORANGE_COUNTER, "020");
             missile(cr, 96, 60, RED_MISSILE);
             cube(cr, 120, 80, 30, RED);
         }},
        {"ammo",
         [](cairo_t* cr) {
             blueGem(cr, 30, 40);
             greyMine(cr, 85, 40);
             orangeCartridge(cr, 140, 40);
             counterChip(cr, 6, 86, 21, BLUE_COUNTER, "020");
             counterChip(cr, 61, 86, 21, GREY_COUNTER, "020");
             counterChip(cr, 116, 86, 21, ORANGE_COUNTER, "020");
         }},
    };
    return table;
}

bool writeHelp(const std::string& root, const HelpEntry& entry)
{
    const auto picture = pictures().find(entry.name);
    if (picture == pictures().end()) {
        return report("no help picture for " + entry.name);
    }
    Canvas canvas(HELP_WIDTH, HELP_HEIGHT, true);
    cairo_t* cr = canvas.context();
    roundedRect(cr, 4, 4, HELP_WIDTH - 8, HELP_HEIGHT - 8, 16);
    cairo_set_source_rgba(cr, 0.04, 0.06, 0.14, 0.8);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.55, 0.65, 0.95, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    roundedRect(cr, 12, 10, 170, 130, 10);
    cairo_set_source_rgba(cr, 0.12, 0.16, 0.3, 0.85);
    cairo_fill(cr);

    cairo_save(cr);
    cairo_translate(cr, 12, 10);
    roundedRect(cr, 0, 0, 170, 130, 10);
    cairo_clip(cr);
    picture->second(cr);
    cairo_restore(cr);

    const double textLeft = 200;
    const double textWidth = HELP_WIDTH - textLeft - 24;
    setFont(cr, Font::Bold, 26);
    leftText(cr, entry.heading, textLeft, 34, TITLE_GOLD);
    for (double size = 22; size >= 16; size -= 1) {
        setFont(cr, Font::Regular, size);
        const std::vector<std::string> lines = wrapText(cr, entry.sentence, textWidth);
        const double lineHeight = size * 1.35;
        if (lines.size() * lineHeight > 82) {
            continue;
        }
        double y = 64 + lineHeight / 2;
        for (const std::string& line : lines) {
            const InkBox ink = measure(cr, "Hg");
            cairo_move_to(cr, textLeft, y - ink.y - ink.height / 2);
            setColour(cr, Colour{1.0, 1.0, 1.0});
            cairo_show_text(cr, line.c_str());
            y += lineHeight;
        }
        const std::string path = root + "/Data/Text/" + entry.name + ".png";
        return canvas.save(path) || report("cannot write " + path);
    }
    return report("help text does not fit: " + entry.name);
}

} // namespace

bool writeImages(const std::string& root, const std::vector<std::string>& levels)
{
    if (!writeMenus(root, levels) || !writeDigits(root) || !writeHearts(root) || !writeHud(root)) {
        return false;
    }
    for (const HelpEntry& entry : helpEntries()) {
        if (!writeHelp(root, entry)) {
            return false;
        }
    }
    return true;
}

} // namespace datagen

#ifndef DATA_GENERATOR_DATATABLES_H
#define DATA_GENERATOR_DATATABLES_H

#include <string>
#include <vector>

// What the generated images and sounds must match: file names, the menu
// pages with their item rectangles, the help texts and the playlist. The
// generator draws from these tables and the data tests check the files
// against them, so art and layout cannot drift apart.
namespace datagen {

const int MENU_PAGE_COUNT = 18;
const int LEVEL_SLOT_COUNT = 32;   // the level page's slots, before its back item
const int MENU_WIDTH = 800;
const int MENU_HEIGHT = 600;
const int HELP_WIDTH = 800;
const int HELP_HEIGHT = 150;
const int DIGIT_WIDTH = 40;
const int DIGIT_HEIGHT = 60;
const int HEART_SIZE = 128;
const int SAMPLE_RATE = 22050;
// Menu item labels are drawn in pure white and nothing else on a page has
// all three channels at or above this, so the labels can be found.
const int LABEL_INK_FLOOR = 248;

// Corners in screen coordinates: x and y in -1..1, y up.
struct MenuItem {
    std::string label;
    float x0, y0, x1, y1;
};

struct MenuPage {
    int id;
    std::string image;   // file name without ".png" under Data/Status/Main_menu
    std::string title;   // drawn above the items; empty for none
    std::vector<MenuItem> items;
};

// The 18 pages in page order; pages that share an image share their items.
const std::vector<MenuPage>& menuPages();

// A menu item's rectangle in image pixels, rows counted from the top;
// right and bottom are exclusive.
struct PixelRect {
    int left, top, right, bottom;
};
PixelRect pixelRect(const MenuItem& item, int width = MENU_WIDTH, int height = MENU_HEIGHT);

// The levels a level list below `root` names ("Data/Level List.txt"), in
// order, each by the name its script gives on its "Level" line, or
// "Level <number>" when it has none or does not open. Every line counts, as
// the game reads it. Empty when the list does not open.
std::vector<std::string> levelNames(const std::string& root);

struct HelpEntry {
    std::string name;      // file name without ".png" under Data/Text
    std::string heading;
    std::string sentence;
};
const std::vector<HelpEntry>& helpEntries();

// Digit names 0-9 under Data/Status/Numeric, heart names by health quarter
// under Data/Status/Health.
const std::vector<std::string>& digitNames();
const std::vector<std::string>& heartNames();

struct SoundPath {
    int id;
    const char* path;   // as the game writes it, with backslashes
};
const std::vector<SoundPath>& soundPaths();

enum class LeadVoice { Bell, Pluck, Square, Brass, Organ, Flute };
enum class DrumStyle { None, Rock, March, Sparse, Fast, Shuffle };

struct MusicTrack {
    std::string path;    // as the game writes it: "data/music/..."
    unsigned seed;
    int tempo;           // beats per minute
    int root;            // MIDI note of the key's tonic
    bool minor;
    LeadVoice lead;
    DrumStyle drums;
};
const std::vector<MusicTrack>& musicTracks();

// Turns a game data path into a path below `root`, slashes for backslashes.
std::string filePath(const std::string& root, const std::string& dataPath);

} // namespace datagen

#endif

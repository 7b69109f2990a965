#include "DataTables.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace datagen {

namespace {

MenuItem bar(const std::string& label, float yLow, float yHigh)
{
    return MenuItem{label, -1.0f, yLow, 1.0f, yHigh};
}

std::vector<MenuItem> bars(const std::vector<std::string>& labels, const std::vector<float>& lowHigh)
{
    std::vector<MenuItem> items;
    for (size_t i = 0; i < labels.size(); ++i) {
        items.push_back(bar(labels[i], lowHigh[2 * i], lowHigh[2 * i + 1]));
    }
    return items;
}

std::vector<MenuItem> levelItems()
{
    std::vector<MenuItem> items;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 8; ++r) {
            const int number = 8 * c + r + 1;
            items.push_back(MenuItem{"Level " + std::to_string(number), -0.9f + 0.45f * c,
                                     0.6f - 0.19f * r, -0.5f + 0.45f * c, 0.75f - 0.19f * r});
        }
    }
    items.push_back(bar("Back", -0.91f, -0.76f));
    return items;
}

std::vector<MenuPage> buildPages()
{
    const std::vector<MenuItem> controls = {bar("Back", -0.9f, -0.8f)};
    const std::vector<MenuItem> volume =
        bars({"All Sound", "Music", "Effects", "Back"}, {0.4f, 0.55f, 0.07f, 0.22f, -0.28f, -0.13f, -0.57f, -0.42f});
    const std::vector<MenuItem> level =
        bars({"Low", "Medium", "High", "Back"}, {0.25f, 0.4f, 0.05f, 0.2f, -0.15f, 0.0f, -0.4f, -0.25f});

    std::vector<MenuPage> pages;
    pages.push_back({0, "main", "Vantorel",
                     bars({"New Game", "Select Level", "Settings", "Credits", "Quit"},
                          {0.25f, 0.4f, 0.01f, 0.16f, -0.23f, -0.08f, -0.45f, -0.3f, -0.65f, -0.5f})});
    pages.push_back({1, "main_levels", "Select Level", levelItems()});
    pages.push_back({2, "main_settings", "Settings",
                     bars({"Difficulty", "Volume", "Controls", "Back"},
                          {0.25f, 0.4f, 0.01f, 0.16f, -0.23f, -0.08f, -0.45f, -0.3f})});
    pages.push_back({3, "difficulty", "Difficulty",
                     {MenuItem{"Easy", -0.45f, -0.1f, -0.05f, 0.1f}, MenuItem{"Normal", -0.03f, -0.1f, 0.42f, 0.1f},
                      MenuItem{"Hard", -0.45f, -0.3f, -0.05f, -0.1f}, MenuItem{"Expert", -0.03f, -0.3f, 0.42f, -0.1f},
                      bar("Back", -0.5f, -0.3f)}});
    pages.push_back({4, "controls", "Controls", controls});
    pages.push_back({5, "volume", "Volume", volume});
    pages.push_back({6, "pause", "Paused",
                     bars({"Resume", "Restart Level", "Restart Game", "Settings", "Main Menu"},
                          {0.33f, 0.48f, 0.08f, 0.23f, -0.11f, 0.04f, -0.34f, -0.19f, -0.58f, -0.43f})});
    pages.push_back({7, "pause_settings", "Settings",
                     bars({"Controls", "Volume", "Back"}, {0.19f, 0.34f, -0.08f, 0.07f, -0.32f, -0.17f})});
    pages.push_back({8, "controls", "Controls", controls});
    pages.push_back({9, "volume", "Volume", volume});
    pages.push_back({10, "MenuStart", "Vantorel", {bar("Press Return", -1.0f, -0.34f)}});
    for (int id = 11; id <= 16; ++id) {
        pages.push_back({id, "volume_controls", "Volume Level", level});
    }
    pages.push_back({17, "credits", "Credits", {bar("Back", -0.85f, -0.75f)}});
    return pages;
}

} // namespace

const std::vector<MenuPage>& menuPages()
{
    static const std::vector<MenuPage> pages = buildPages();
    return pages;
}

PixelRect pixelRect(const MenuItem& item, int width, int height)
{
    auto column = [width](float x) { return static_cast<int>(std::lround((x + 1.0f) * 0.5f * width)); };
    auto row = [height](float y) { return static_cast<int>(std::lround((1.0f - y) * 0.5f * height)); };
    PixelRect rect{column(std::fmin(item.x0, item.x1)), row(std::fmax(item.y0, item.y1)),
                   column(std::fmax(item.x0, item.x1)), row(std::fmin(item.y0, item.y1))};
    return rect;
}

namespace {

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (text.str().empty()) {
        return true;
    }
    std::istringstream stream(text.str() + "\n");
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

bool isDelimiter(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '=' || c == ':';
}

// The rest of the script's first line whose command word is "Level".
std::string scriptName(const std::string& path)
{
    std::vector<std::string> lines;
    readLines(path, lines);
    for (const std::string& line : lines) {
        size_t at = 0;
        while (at < line.size() && isDelimiter(line[at])) {
            ++at;
        }
        if (line.compare(at, 5, "Level") != 0 || (at + 5 < line.size() && !isDelimiter(line[at + 5]))) {
            continue;
        }
        at += 5;
        while (at < line.size() && isDelimiter(line[at])) {
            ++at;
        }
        size_t end = line.size();
        while (end > at && isDelimiter(line[end - 1])) {
            --end;
        }
        return line.substr(at, end - at);
    }
    return std::string();
}

} // namespace

std::vector<std::string> levelNames(const std::string& root)
{
    std::vector<std::string> entries;
    if (!readLines(root + "/Data/Level List.txt", entries)) {
        return entries;
    }
    // A list that ends with a line end gives the game one more, empty name.
    std::vector<std::string> names;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string name = entries[i].empty() ? std::string() : scriptName(filePath(root, entries[i]));
        names.push_back(name.empty() ? "Level " + std::to_string(i + 1) : name);
    }
    return names;
}

const std::vector<HelpEntry>& helpEntries()
{
    static const std::vector<HelpEntry> entries = {
        {"movement", "Moving", "The arrow keys walk, and Space jumps up one block."},
        {"blueblocks", "Blue blocks",
         "A blue missile (Z or Return) builds a blue block where it stops: fire them to make steps and bridges."},
        {"camera", "Camera", "A and D turn the camera a quarter turn; W and S zoom in and out."},
        {"destroy", "Destroy missiles",
         "X fires a destroy missile, counted in grey: it removes one red or blue block without setting off its "
         "neighbours, and is used up on any other block."},
        {"elevators", "Elevators",
         "Step onto a yellow elevator block, then stand still and wait while it carries you up. At the top, walk "
         "off."},
        {"shift", "Turning on the spot", "Hold Shift or Ctrl with an arrow key to turn and aim without walking."},
        {"pet", "Your pet",
         "The green cube is your pet: it follows you, and jumps you up high when you stand on it. A purple cube "
         "is a blob: it hurts, and one blue missile pops it."},
        {"anubis", "Anubis", "The Anubis shoots red missiles at you; strike back with blue or red missiles."},
        {"beware", "Beware", "Acid blocks burn whoever touches them, and stronger foes wait ahead."},
        {"creepers", "Creepers", "Creepers roll towards you and explode; two hits blow them up first."},
        {"goal", "The goal", "Touch the white goal block to finish the level."},
        {"help", "Hints", "Walk up to a spinning sign to read a hint like this one."},
        {"red_blue", "Red and blue",
         "A blue missile (Z) breaks a red block and a red missile (C) burns a blue one; a broken block sets off "
         "the red and blue blocks around it, and hurts you if you stand next to it."},
        {"stuck", "Stuck?", "F12 restarts the level, and Esc opens the pause menu."},
        {"wraithblade", "Wraithblade", "A wraithblade winds up, then leaps along a straight line: step aside."},
        {"x", "Key X", "X fires a destroy missile, counted in grey: it removes one red or blue block."},
        {"z", "Key Z",
         "Z or Return fires a blue missile, counted in blue: it builds a blue block, or breaks a red one."},
        {"c", "Key C", "C fires a red missile, counted in orange: it builds a red block, or burns a blue one."},
        {"ammo", "Ammunition",
         "Pickups refill one kind of missile. The counters at the top right: blue for Z, grey for X, orange "
         "for C."},
    };
    return entries;
}

const std::vector<std::string>& digitNames()
{
    static const std::vector<std::string> names = {"zero", "one", "two",   "three", "four",
                                                   "five", "six", "seven", "eight", "nine"};
    return names;
}

const std::vector<std::string>& heartNames()
{
    static const std::vector<std::string> names = {"fourth heart", "half heart", "three fourths heart",
                                                   "full heart"};
    return names;
}

const std::vector<SoundPath>& soundPaths()
{
    static const std::vector<SoundPath> paths = {
#include "game/audio/KTSoundPaths.inc"
    };
    return paths;
}

const std::vector<MusicTrack>& musicTracks()
{
    static const std::vector<MusicTrack> tracks = {
        {"data/music/TQ_Open_My_Eyes.wav", 0x1001u, 112, 62, false, LeadVoice::Bell, DrumStyle::Rock},
        {"data/music/Brass_love_for_passionate.wav", 0x1002u, 96, 58, false, LeadVoice::Brass, DrumStyle::Shuffle},
        {"data/music/chaotic.wav", 0x1003u, 148, 66, true, LeadVoice::Square, DrumStyle::Fast},
        {"data/music/Destiny.wav", 0x1004u, 84, 60, true, LeadVoice::Organ, DrumStyle::Rock},
        {"data/music/Dreams_MASTER.wav", 0x1005u, 76, 63, false, LeadVoice::Flute, DrumStyle::Sparse},
        {"data/music/TQ_Above_The_Clouds.wav", 0x1006u, 104, 69, false, LeadVoice::Bell, DrumStyle::Sparse},
        {"data/music/TQ_Day_Dream.wav", 0x1007u, 92, 67, false, LeadVoice::Pluck, DrumStyle::Shuffle},
        {"data/music/TQ_May_The_light_Take_Me.wav", 0x1008u, 80, 64, true, LeadVoice::Organ, DrumStyle::None},
        {"data/music/TQ_Midnight_Ride.wav", 0x1009u, 132, 59, true, LeadVoice::Square, DrumStyle::Rock},
        {"data/music/Heroes_March__Extended__LQ.wav", 0x100Au, 120, 65, false, LeadVoice::Brass, DrumStyle::March},
        {"data/music/Piano.wav", 0x100Bu, 72, 68, false, LeadVoice::Pluck, DrumStyle::None},
        {"data/music/Raindrops___NQ.wav", 0x100Cu, 88, 61, true, LeadVoice::Flute, DrumStyle::Sparse},
        {"data/music/The_rise_of__.wav", 0x100Du, 140, 67, true, LeadVoice::Bell, DrumStyle::Fast},
    };
    return tracks;
}

std::string filePath(const std::string& root, const std::string& dataPath)
{
    std::string path = dataPath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return root + "/" + path;
}

} // namespace datagen

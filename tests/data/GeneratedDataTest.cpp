#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "DataTables.h"
#include "GameFiles.h"
#include "MediaFiles.h"
#include "platform/HostPath.h"
#include "support/TempDir.h"

namespace {

// The images the start-up opens, written as the game writes them.
std::vector<std::string> imagePaths()
{
    std::vector<std::string> paths = {"Data\\Status\\Hud.png"};
    for (const char* digit : {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"}) {
        paths.push_back(std::string("Data\\Status\\Numeric\\") + digit + ".png");
    }
    for (const char* heart : {"fourth heart", "half heart", "three fourths heart", "full heart"}) {
        paths.push_back(std::string("Data\\Status\\Health\\") + heart + ".png");
    }
    for (const char* page : {"main", "main_levels", "main_settings", "difficulty", "controls", "volume", "pause",
                             "pause_settings", "MenuStart", "volume_controls", "credits", "highlight"}) {
        paths.push_back(std::string("Data\\Status\\Main_menu\\") + page + ".png");
    }
    for (const char* help : {"movement", "blueblocks", "camera", "destroy", "elevators", "shift", "pet", "anubis",
                             "beware", "creepers", "goal", "help", "red_blue", "stuck", "wraithblade", "x", "z", "c",
                             "ammo"}) {
        paths.push_back(std::string("Data\\Text\\") + help + ".png");
    }
    return paths;
}

const std::vector<std::string> MUSIC = {
    "data/music/TQ_Open_My_Eyes.wav",         "data/music/Brass_love_for_passionate.wav",
    "data/music/chaotic.wav",                 "data/music/Destiny.wav",
    "data/music/Dreams_MASTER.wav",           "data/music/TQ_Above_The_Clouds.wav",
    "data/music/TQ_Day_Dream.wav",            "data/music/TQ_May_The_light_Take_Me.wav",
    "data/music/TQ_Midnight_Ride.wav",        "data/music/Heroes_March__Extended__LQ.wav",
    "data/music/Piano.wav",                   "data/music/Raindrops___NQ.wav",
    "data/music/The_rise_of__.wav",
};

std::vector<std::string> soundFiles()
{
    std::set<std::string> distinct;
    for (const datagen::SoundPath& entry : datagen::soundPaths()) {
        distinct.insert(entry.path);
    }
    return std::vector<std::string>(distinct.begin(), distinct.end());
}

bool isGenerated(const std::string& relative)
{
    const std::string extension = std::filesystem::path(relative).extension().string();
    return extension == ".png" || extension == ".wav";
}

} // namespace

TEST(GeneratedData, EveryImageSoundAndTrackTheGameOpensIsThere)
{
    const std::vector<std::string> images = imagePaths();
    ASSERT_EQ(images.size(), 46u);
    for (const std::string& path : images) {
        expectExactFile(path);
    }
    ASSERT_EQ(datagen::soundPaths().size(), 70u);
    ASSERT_EQ(soundFiles().size(), 68u);
    for (const std::string& path : soundFiles()) {
        expectExactFile(path);
    }
    ASSERT_EQ(datagen::musicTracks().size(), MUSIC.size());
    for (size_t i = 0; i < MUSIC.size(); ++i) {
        EXPECT_EQ(datagen::musicTracks()[i].path, MUSIC[i]);
        expectExactFile(MUSIC[i]);
    }
}

TEST(GeneratedData, EveryPngIsEightBitTruecolourAndNotInterlaced)
{
    int count = 0;
    for (const std::string& relative : filesBelow("Data")) {
        if (std::filesystem::path(relative).extension() != ".png") {
            continue;
        }
        PngHeader header;
        ASSERT_TRUE(readPngHeader("Data/" + relative, header)) << relative;
        EXPECT_EQ(header.bitDepth, 8) << relative;
        EXPECT_TRUE(header.colourType == 2 || header.colourType == 6) << relative << " type " << header.colourType;
        EXPECT_EQ(header.interlace, 0) << relative;
        ++count;
    }
    EXPECT_EQ(count, 46);
}

TEST(GeneratedData, ImagesHaveTheShapesTheirPlacesOnScreenNeed)
{
    for (const datagen::MenuPage& page : datagen::menuPages()) {
        PngHeader header;
        ASSERT_TRUE(readPngHeader("Data/Status/Main_menu/" + page.image + ".png", header));
        EXPECT_EQ(header.width, datagen::MENU_WIDTH);
        EXPECT_EQ(header.height, datagen::MENU_HEIGHT);
        EXPECT_EQ(header.colourType, 2) << page.image << " must be opaque";
    }
    for (const datagen::HelpEntry& help : datagen::helpEntries()) {
        RgbaImage image;
        ASSERT_TRUE(readPng("Data/Text/" + help.name + ".png", image));
        EXPECT_EQ(image.width, datagen::HELP_WIDTH);
        EXPECT_EQ(image.height, datagen::HELP_HEIGHT);
        EXPECT_EQ(image.at(0, 0)[3], 0) << help.name << ": the panel's rounded corner is transparent";
    }

    // Scaled sprites wrap under linear filtering: their outer ring must be clear.
    std::vector<std::string> sprites;
    for (const std::string& name : datagen::digitNames()) {
        sprites.push_back("Data/Status/Numeric/" + name + ".png");
    }
    for (const std::string& name : datagen::heartNames()) {
        sprites.push_back("Data/Status/Health/" + name + ".png");
    }
    for (const std::string& path : sprites) {
        RgbaImage image;
        ASSERT_TRUE(readPng(path, image)) << path;
        int inked = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const bool edge = x == 0 || y == 0 || x == image.width - 1 || y == image.height - 1;
                if (edge) {
                    EXPECT_EQ(image.at(x, y)[3], 0) << path << " at " << x << "," << y;
                }
                inked += image.at(x, y)[3] > 200 ? 1 : 0;
            }
        }
        EXPECT_GT(inked, image.width * image.height / 8) << path;
    }
}

// The counters tint white digits; a dark ring around every digit keeps it
// apart from a block of its own colour behind it.
TEST(GeneratedData, DigitsAreWhiteInsideADarkOutline)
{
    for (const std::string& name : datagen::digitNames()) {
        RgbaImage image;
        ASSERT_TRUE(readPng("Data/Status/Numeric/" + name + ".png", image)) << name;
        std::vector<std::pair<int, int>> glyph;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const unsigned char* p = image.at(x, y);
                if (p[3] >= 250 && std::min({p[0], p[1], p[2]}) >= 200) {
                    glyph.push_back({x, y});
                }
            }
        }
        ASSERT_GT(glyph.size(), 150u) << name;
        int ring = 0;
        int weak = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                double nearest = 1e9;
                for (const auto& g : glyph) {
                    nearest = std::min(nearest, std::hypot(x - g.first, y - g.second));
                }
                // From two to three and a half pixels out (one to nearly two
                // on screen): opaque and dark.
                if (nearest < 2.0 || nearest > 3.5) {
                    continue;
                }
                const unsigned char* p = image.at(x, y);
                ++ring;
                weak += p[3] < 240 || std::max({p[0], p[1], p[2]}) > 64 ? 1 : 0;
            }
        }
        EXPECT_GT(ring, 100) << name;
        EXPECT_EQ(weak, 0) << name << ": " << weak << " of " << ring << " outline pixels are light or see-through";
    }
}

TEST(GeneratedData, HeartsFillByQuarters)
{
    // Opaque light pixels (the filled part) grow with each quarter of health.
    int previous = 0;
    for (const std::string& name : datagen::heartNames()) {
        RgbaImage image;
        ASSERT_TRUE(readPng("Data/Status/Health/" + name + ".png", image));
        int filled = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const unsigned char* p = image.at(x, y);
                filled += p[3] == 255 && p[0] > 200 && p[1] > 150 ? 1 : 0;
            }
        }
        EXPECT_GT(filled, previous + 1000) << name;
        previous = filled;
    }
}

namespace {

// The diffuse colour of a block model's material, in 0..255.
std::vector<int> blockColour(const std::string& name)
{
    for (const std::string& line : splitLines(readGameFile("Data\\Block\\Models\\" + name + ".mtl"))) {
        float r = 0, g = 0, b = 0;
        if (std::sscanf(line.c_str(), "Kd %f %f %f", &r, &g, &b) == 3) {
            return {static_cast<int>(std::lround(r * 255)), static_cast<int>(std::lround(g * 255)),
                    static_cast<int>(std::lround(b * 255))};
        }
    }
    return {};
}

int pixelsNear(const RgbaImage& image, const std::vector<int>& colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = image.at(x, y);
            bool near = p[3] == 255;
            for (int c = 0; c < 3 && near; ++c) {
                near = std::abs(p[c] - colour[c]) <= tolerance;
            }
            count += near ? 1 : 0;
        }
    }
    return count;
}

} // namespace

// The acid warning must show acid as the player meets it, not in the colour
// of the blob's purple block.
TEST(GeneratedData, TheAcidWarningShowsTheAcidBlocksOwnColour)
{
    const std::vector<int> acid = blockColour("AcidBlock");
    const std::vector<int> purple = blockColour("PurpleBlock");
    ASSERT_EQ(acid.size(), 3u);
    ASSERT_EQ(purple.size(), 3u);
    RgbaImage image;
    ASSERT_TRUE(readPng("Data/Text/beware.png", image));
    EXPECT_GT(pixelsNear(image, acid, 3), 1000) << "no acid block in the picture";
    EXPECT_EQ(pixelsNear(image, purple, 40), 0) << "the picture shows acid in the blob's colour";
}

TEST(GeneratedData, HighlightIsTranslucentAndVariesOnlyDownwards)
{
    RgbaImage image;
    ASSERT_TRUE(readPng("Data/Status/Main_menu/highlight.png", image));
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* first = image.at(0, y);
        EXPECT_GE(first[3], 64) << "row " << y;
        EXPECT_LE(first[3], 128) << "row " << y << ": the label under it must show through";
        for (int x = 1; x < image.width; ++x) {
            EXPECT_EQ(std::vector<unsigned char>(first, first + 4),
                      std::vector<unsigned char>(image.at(x, y), image.at(x, y) + 4));
        }
    }
    EXPECT_EQ(std::vector<unsigned char>(image.at(0, 0), image.at(0, 0) + 4),
              std::vector<unsigned char>(image.at(0, image.height - 1), image.at(0, image.height - 1) + 4));
}

TEST(GeneratedData, EveryWavIsSixteenBitPcmAtARateTheMixerTakes)
{
    std::vector<std::string> paths = soundFiles();
    paths.insert(paths.end(), MUSIC.begin(), MUSIC.end());
    for (const std::string& path : paths) {
        WavInfo info;
        ASSERT_TRUE(readWav(hostPath(path), info)) << path;
        EXPECT_EQ(info.format, 1) << path;
        EXPECT_EQ(info.bits, 16) << path;
        EXPECT_TRUE(info.rate == 44100 || info.rate == 22050 || info.rate == 11025) << path << " " << info.rate;
        EXPECT_GT(info.peak, 8000) << path << " is all but silent";
    }
}

namespace {

// Sign changes per second over samples [from, to).
double crossingRate(const WavInfo& info, size_t from, size_t to)
{
    int crossings = 0;
    for (size_t i = from + 1; i < to && i < info.samples.size(); ++i) {
        crossings += (info.samples[i - 1] < 0) != (info.samples[i] < 0) ? 1 : 0;
    }
    return crossings * static_cast<double>(info.rate) / static_cast<double>(to - from);
}

} // namespace

TEST(GeneratedData, EffectsAreShortAndTheLiftToneLastsAndRises)
{
    for (const std::string& path : soundFiles()) {
        WavInfo info;
        ASSERT_TRUE(readWav(hostPath(path), info)) << path;
        EXPECT_GT(info.seconds(), 0.02) << path;
        EXPECT_LE(info.seconds(), 1.5) << path;
    }
    // A ride must be heard: a tone long enough to follow, and going up.
    WavInfo lift;
    ASSERT_TRUE(readWav(hostPath("Data\\Sounds\\Elevator\\ElevatorUp.wav"), lift));
    EXPECT_GE(lift.seconds(), 0.3);
    const size_t third = lift.samples.size() / 3;
    EXPECT_GT(crossingRate(lift, 2 * third, 3 * third), 1.2 * crossingRate(lift, 0, third)) << "the pitch rises";
}

namespace {

// An effect's level: the loudest tenth of a second, in dB of full scale.
double loudestTenthDb(const WavInfo& info)
{
    const size_t window = static_cast<size_t>(info.rate / 10);
    std::vector<double> energy(info.samples.size() + 1, 0.0);
    for (size_t i = 0; i < info.samples.size(); ++i) {
        energy[i + 1] = energy[i] + static_cast<double>(info.samples[i]) * info.samples[i];
    }
    double loudest = 0.0;
    for (size_t end = 1; end < energy.size(); ++end) {
        loudest = std::max(loudest, energy[end] - energy[end > window ? end - window : 0]);
    }
    return 20.0 * std::log10(std::sqrt(loudest / window) / 32768.0);
}

} // namespace

// No effect drowns the others or gets lost under them, and the sounds the
// player makes all the time are no louder than a block bursting.
TEST(GeneratedData, EffectsAreMixedEvenly)
{
    std::map<std::string, double> levels;
    std::vector<double> sorted;
    for (const std::string& path : soundFiles()) {
        WavInfo info;
        ASSERT_TRUE(readWav(hostPath(path), info)) << path;
        levels[path] = loudestTenthDb(info);
        sorted.push_back(levels[path]);
    }
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[(sorted.size() - 1) / 2] + sorted[sorted.size() / 2]) / 2.0;
    for (const auto& level : levels) {
        EXPECT_NEAR(level.second, median, 6.0) << level.first;
    }
    const double burst = levels.at("Data\\Sounds\\Block\\BlockExplode.wav");
    for (const char* frequent : {"Player\\PlayerJump", "Player\\PlayerFireBlueMissile", "Player\\PlayerFireRedMissile",
                                 "Player\\PlayerFireDestroyMissile", "Block\\BlockCreate"}) {
        const std::string path = std::string("Data\\Sounds\\") + frequent + ".wav";
        ASSERT_TRUE(levels.count(path)) << path;
        EXPECT_LE(levels.at(path), burst + 3.0) << path;
    }
}

TEST(GeneratedData, EffectsStartAndEndInSilenceSoTheyDoNotClick)
{
    for (const std::string& path : soundFiles()) {
        WavInfo info;
        ASSERT_TRUE(readWav(hostPath(path), info)) << path;
        ASSERT_FALSE(info.samples.empty()) << path;
        EXPECT_LE(std::abs(info.samples.front()), 64) << path;
        EXPECT_LE(std::abs(info.samples.back()), 64) << path;
    }
}

namespace {

double rms(const std::vector<int16_t>& samples, size_t from, size_t count)
{
    double sum = 0.0;
    for (size_t i = from; i < from + count && i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return count > 0 ? std::sqrt(sum / count) : 0.0;
}

} // namespace

TEST(GeneratedData, MusicFadesOutInsteadOfStoppingDead)
{
    for (const datagen::MusicTrack& track : datagen::musicTracks()) {
        WavInfo info;
        ASSERT_TRUE(readWav(track.path, info)) << track.path;
        const size_t second = static_cast<size_t>(info.rate);
        ASSERT_GT(info.samples.size(), 40 * second);
        const double middle = rms(info.samples, info.samples.size() / 2, 5 * second);
        const double tail = rms(info.samples, info.samples.size() - second / 2, second / 2);
        EXPECT_GT(middle, 1000.0) << track.path;
        EXPECT_LT(tail, middle * 0.05) << track.path;
        EXPECT_LE(std::abs(info.samples.back()), 64) << track.path;
    }
}

TEST(GeneratedData, MusicTracksAreLongAndEachInItsOwnKeyAndTempo)
{
    std::set<std::pair<int, bool>> keys;
    std::set<int> tempos;
    std::set<std::string> contents;
    for (const datagen::MusicTrack& track : datagen::musicTracks()) {
        WavInfo info;
        ASSERT_TRUE(readWav(track.path, info)) << track.path;
        EXPECT_GE(info.seconds(), 45.0) << track.path;
        EXPECT_LE(info.seconds(), 90.0) << track.path;
        keys.insert({track.root % 12, track.minor});
        tempos.insert(track.tempo);
        contents.insert(readWholeFile(track.path).substr(0, 400000));
    }
    EXPECT_EQ(keys.size(), datagen::musicTracks().size());
    EXPECT_EQ(tempos.size(), datagen::musicTracks().size());
    EXPECT_EQ(contents.size(), datagen::musicTracks().size());
}

TEST(GeneratedData, GeneratorRunTwiceGivesIdenticalFilesMatchingTheGameDirectory)
{
    TempDir first;
    TempDir second;
    int results[2] = {-1, -1};
    std::thread other([&] {
        results[0] = std::system(("'" VANTOREL_DATA_GENERATOR "' '" + first.path() + "' '" VANTOREL_DATA_SOURCE_DIR
                                  "' >/dev/null").c_str());
    });
    results[1] = std::system(("'" VANTOREL_DATA_GENERATOR "' '" + second.path() + "' '" VANTOREL_DATA_SOURCE_DIR
                              "' >/dev/null").c_str());
    other.join();
    ASSERT_EQ(results[0], 0);
    ASSERT_EQ(results[1], 0);

    const std::vector<std::string> files = filesBelow(first.path());
    ASSERT_EQ(files, filesBelow(second.path()));
    EXPECT_EQ(files.size(), 46u + 68u + 13u);
    for (const std::string& relative : files) {
        const std::string bytes = readWholeFile(first.file(relative));
        EXPECT_FALSE(bytes.empty()) << relative;
        EXPECT_TRUE(bytes == readWholeFile(second.file(relative))) << relative << " differs between runs";
        EXPECT_TRUE(bytes == readWholeFile(relative)) << relative << " in the game directory is stale";
        EXPECT_TRUE(isGenerated(relative)) << relative;
    }
}

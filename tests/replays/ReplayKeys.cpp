#include "ReplayKeys.h"

#include <sstream>

#include "game/ui/KTKeySymbols.h"

namespace {

struct NamedKey {
    const char* name;
    int key;
};

const NamedKey PlayKeys[] = {
    {"Up", KTKey::Up},       {"Down", KTKey::Down},           {"Left", KTKey::Left},
    {"Right", KTKey::Right}, {"Space", KTKey::Space},         {"Return", KTKey::Return},
    {"z", KTKey::Z},         {"x", KTKey::X},                 {"c", KTKey::C},
    {"a", KTKey::A},         {"d", KTKey::D},                 {"w", KTKey::W},
    {"s", KTKey::S},         {"LeftShift", KTKey::LeftShift}, {"RightShift", KTKey::RightShift},
    {"LeftCtrl", KTKey::LeftCtrl}, {"RightCtrl", KTKey::RightCtrl},
};

} // namespace

int replayKeyOfName(const std::string& name)
{
    for (const NamedKey& k : PlayKeys) {
        if (name == k.name) {
            return k.key;
        }
    }
    return -1;
}

std::string replayKeyName(int key)
{
    for (const NamedKey& k : PlayKeys) {
        if (key == k.key) {
            return k.name;
        }
    }
    return "";
}

ReplayKeys ReplayKeys::parse(const std::string& text, std::string& error)
{
    ReplayKeys keys;
    error.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    int lastFrame = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line[0] == '#') {
            keys.comments.push_back(line);
            continue;
        }
        std::istringstream words(line);
        std::string first;
        words >> first;
        bool ok = true;
        if (first == "level") {
            ok = static_cast<bool>(words >> keys.level);
        } else if (first == "seed") {
            ok = static_cast<bool>(words >> keys.seed);
        } else if (first == "frames") {
            ok = static_cast<bool>(words >> keys.frames);
        } else {
            std::istringstream frameWord(first);
            ReplayEvent event{};
            std::string direction;
            std::string name;
            ok = static_cast<bool>(frameWord >> event.frame) && frameWord.eof() && static_cast<bool>(words >> direction)
                && static_cast<bool>(words >> name) && (direction == "down" || direction == "up");
            if (ok) {
                event.down = direction == "down";
                event.key = replayKeyOfName(name);
                ok = event.key >= 0 && event.frame >= lastFrame;
                lastFrame = event.frame;
                keys.events.push_back(event);
            }
        }
        std::string rest;
        if (ok && words >> rest) {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number) + ": " + line;
            return keys;
        }
    }
    if (keys.level < 0 || keys.frames <= 0) {
        error = "no level or no frame count";
    } else if (!keys.events.empty() && keys.events.back().frame >= keys.frames) {
        error = "events after the last frame";
    }
    return keys;
}

std::string ReplayKeys::write() const
{
    std::ostringstream out;
    for (const std::string& comment : comments) {
        out << comment << "\n";
    }
    out << "level " << level << "\n";
    out << "seed " << seed << "\n";
    out << "frames " << frames << "\n";
    for (const ReplayEvent& event : events) {
        out << event.frame << (event.down ? " down " : " up ") << replayKeyName(event.key) << "\n";
    }
    return out.str();
}

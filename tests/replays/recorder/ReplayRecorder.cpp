// Records the key sequence of one level from its plan:
//   replay_recorder PLAN KEYS [PICTURES]
// runs the plan through the real level scene (from the game directory, under
// a display) and, when the goal is reached without a death, writes every key
// event with its frame to KEYS. scripts/record-replays.sh records them all.
// With a PICTURES folder the plan's shot commands write their pictures there
// (scripts/screenshots.sh).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "ReplayPilot.h"
#include "ReplayPlan.h"
#include "game/level/KTLevelScene.h"
#include "support/TempDir.h"

namespace {

std::string baseName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s PLAN KEYS [PICTURES]\n", argv[0]);
        return 2;
    }
    const std::string planPath = argv[1];
    const std::string text = readWholeFile(planPath);
    std::string error;
    const ReplayPlan plan = ReplayPlan::parse(text, error);
    if (text.empty() || !error.empty()) {
        std::fprintf(stderr, "%s: %s\n", planPath.c_str(), text.empty() ? "cannot be read" : error.c_str());
        return 1;
    }
    if (!ReplaySession::openGame()) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    if (plan.level >= ReplaySession::shippedLevelCount()) {
        std::fprintf(stderr, "%s: the level list has no level %d\n", planPath.c_str(), plan.level);
        return 1;
    }
    ReplayPilot pilot;
    if (argc == 4) {
        pilot.shotDirectory = argv[3];
        pilot.session.drawEveryFrame = true;
    }
    pilot.begin(plan.level, plan.seed);
    if (!plan.run(pilot, error)) {
        pilot.printState();
        std::fprintf(stderr, "%s: %s\n", planPath.c_str(), error.c_str());
        return 1;
    }
    ReplayKeys& keys = pilot.recording;
    keys.comments.push_back("# " + ReplaySession::scene().levelNames[plan.level] + ", recorded from "
                            + baseName(planPath) + " by replay_recorder; the goal is reached on frame "
                            + std::to_string(pilot.session.finishFrame()) + ".");
    std::ofstream out(argv[2]);
    out << keys.write();
    if (!out) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    std::printf("%s: goal on frame %d, %zu key events\n", baseName(planPath).c_str(), pilot.session.finishFrame(),
                keys.events.size());
    return 0;
}

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

#include "engine/core/VXLog.h"

namespace {

// Standard output's text and the number of times it was flushed, while one
// lives.
class WatchedOutput : public std::stringbuf {
public:
    WatchedOutput() : saved(std::cout.rdbuf(this)) {}
    ~WatchedOutput() override { std::cout.rdbuf(saved); }

    int flushes = 0;

protected:
    int sync() override
    {
        ++flushes;
        return 0;
    }

private:
    std::streambuf* saved;
};

void logSample()
{
    VXLog() << "Missile Orientation: (" << 0.70710678f << ", " << -1e-7f << ", " << 2.0f << ")";
    VXLog() << "";
    VXLog() << "LENGTH : " << 42 << "\n\tSIZE: " << 1u;
}

} // namespace

TEST(VXLog, EachLineReachesStandardOutputAsStreamedThereWithANewlineAndAFlush)
{
    std::ostringstream expected;
    expected << "Missile Orientation: (" << 0.70710678f << ", " << -1e-7f << ", " << 2.0f << ")\n"
             << "\n"
             << "LENGTH : " << 42 << "\n\tSIZE: " << 1u << "\n";
    WatchedOutput out;
    logSample();
    EXPECT_EQ(out.str(), expected.str());
    EXPECT_EQ(out.str(), "Missile Orientation: (0.707107, -1e-07, 2)\n\nLENGTH : 42\n\tSIZE: 1\n");
    EXPECT_EQ(out.flushes, 3);
}

TEST(VXLog, CapturesTakeTheSameTextInsteadOfStandardOutputTheNewestFirst)
{
    WatchedOutput out;
    std::string inner;
    std::string outer;
    {
        VXLogCapture outerCapture;
        VXLog() << "before";
        {
            VXLogCapture innerCapture;
            logSample();
            inner = innerCapture.text();
        }
        VXLog() << "after";
        outer = outerCapture.text();
    }
    VXLog() << "released";
    EXPECT_EQ(inner, "Missile Orientation: (0.707107, -1e-07, 2)\n\nLENGTH : 42\n\tSIZE: 1\n");
    EXPECT_EQ(outer, "before\nafter\n");
    EXPECT_EQ(out.str(), "released\n");
}

TEST(VXLog, ACaptureEndedBeforeANewerOneLeavesTheNewerOneTakingTheLines)
{
    WatchedOutput out;
    {
        auto older = std::make_unique<VXLogCapture>();
        VXLogCapture newer;
        older.reset();
        VXLog() << "kept";
        EXPECT_EQ(newer.text(), "kept\n");
    }
    VXLog() << "released";
    EXPECT_EQ(out.str(), "released\n");
}

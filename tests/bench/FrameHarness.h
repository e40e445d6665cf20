#pragma once

// The frame-time harness: the real Game in a real OpenGL window (run it
// under scripts/with-xvfb), driven through a scripted visit: the welcome
// screen, the menu, the busiest dance and a frozen moment of it with its
// ghosts. Every frame is timed from the call of Game::frame to the return
// of the buffer swap with nothing to pace it, so the figures are the
// frame's own work.

#include <cstdint>
#include <string>
#include <vector>

class TempDirectory;

namespace bench {

// Links the generated files of gameDir (not a progress file or log) into
// dir; false when there are none.
bool linkGeneratedFiles(const std::string& gameDir, const TempDirectory& dir);

struct SceneTimes {
    std::string name;
    // Per timed frame, in order: wall time, and the processor time of the
    // whole process (the driver's rasterising threads too).
    std::vector<double> milliseconds, processorMilliseconds;
    // Every tenth frame is not timed but counted: the fragments it wrote (an
    // occlusion query over the whole frame, the clear not included) as a
    // multiple of the window's pixels.
    std::vector<double> windows;
    // After the timed frames, countedFrames more run (untimed) counting the
    // heap allocations of the main thread: all of them, and those the game's
    // own code asked for (the rest are the GL driver's, SDL's, X's).
    int countedFrames = 0;
    std::uint64_t allocations = 0, gameAllocations = 0;
    // The process's peak resident memory (MB) when the scene ended: mostly the game's.
    double peakMegabytes = -1.0;
};

// What one full-window textured quad costs on this renderer (ms), and the
// check of the fragment count: a full-window quad must count 1 window, a
// quarter-window one 0.25.
struct QuadCost {
    double opaque = -1.0, blended = -1.0, fullCount = -1.0, quarterCount = -1.0;
};

struct FrameOptions {
    std::string gameDir;       // the generated run directory
    int frames = 600;          // frames measured per scene
    int countedFrames = 30;    // frames whose allocations are counted per scene
    int warmUpFrames = 120;    // dance frames before the dance is measured
    bool pixelDigest = false;  // print a digest of every timed frame's pixels
    std::string dumpDirectory;  // where every 50th timed frame is written as a PPM (none when empty)
};

// Runs the visit, then (when quad is given) measures the quad's cost; false
// with a message when something could not be set up.
bool runFrameHarness(const FrameOptions& options, std::vector<SceneTimes>& scenes, std::string& message,
                     QuadCost* quad = nullptr);

}  // namespace bench

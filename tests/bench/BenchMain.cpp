// velvetarium-bench: the performance figures of the game in one table.
//
//   velvetarium-bench [--quick] [--simulation-only] [--frames N] [--benchmark_...]
//   velvetarium-bench --frames-child [--frames N] [--pixel-digest] [--dump-frames DIR]
//
// --frames-child runs only the frame-time harness, in this process (under
// scripts/with-xvfb); --pixel-digest prints a digest of every measured
// frame's pixels and --dump-frames writes every 50th measured frame of each
// scene into DIR as a PPM: two builds that draw the same pixels print the
// same digests. VELVETARIUM_BENCH_GAME_DIR, when set, names another
// generated run directory (e.g. a copy kept from an older build).
//
// Runs the Google Benchmark cases of the simulation, the busiest dance's
// simulation frame by frame, the frame-time harness (in a child process of
// its own, which needs a display: run under scripts/with-xvfb), the start-up
// of the real game, the asset generator, and prints one table with the
// targets. The paths of the run directory, the game, the generator and the
// start-up shim are the build's own.

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BusiestDance.h"
#include "bench/FrameHarness.h"
#include "bench/Processes.h"
#include "bench/Table.h"
#include "support/AllocationCounter.h"
#include "support/TempDirectory.h"

namespace {

using bench::Distribution;
using bench::Table;

// Keeps every benchmark's time per iteration for the table.
class Collector : public benchmark::BenchmarkReporter {
public:
    struct Entry {
        std::string name;
        double microseconds;
    };
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With repetitions only their median is kept: a busy machine's
            // preemptions spoil a mean, seldom a median.
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") ||
                (run.run_type == Run::RT_Iteration && run.repetitions > 1))
                continue;
            const double scale = benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::string name = run.benchmark_name();
            for (const char* noise : {"/manual_time", "_median"}) {
                const std::size_t at = name.find(noise);
                if (at != std::string::npos) name.erase(at, std::strlen(noise));
            }
            entries.push_back({name, run.GetAdjustedRealTime() / scale * 1.0e6});
        }
    }
    std::vector<Entry> entries;
};

double threadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1.0e3 + static_cast<double>(t.tv_nsec) * 1.0e-6;
}

// The busiest dance's simulation (think and update), frame by frame: wall
// time, and the processor time of this thread alone, which a busy machine's
// other processes do not stretch.
Distribution busiestSimulation(int frames, Distribution& processor) {
    bench::HeadlessDance dance;
    std::vector<double> ms, cpu;
    std::uint64_t made = 0;
    if (!dance.start()) return Distribution{};
    ms.reserve(static_cast<std::size_t>(frames));
    cpu.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        dance.prepare();
        const double cpuBegin = threadMilliseconds();
        const auto begin = std::chrono::steady_clock::now();
        {
            allocations::CountedScope counted;
            dance.simulate();
            made += counted.allocations();
        }
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        cpu.push_back(threadMilliseconds() - cpuBegin);
    }
    processor = Distribution::of(cpu);
    Distribution d = Distribution::of(ms);
    d.allocations = made;
    return d;
}

// VELVETARIUM_BENCH_GAME_DIR and VELVETARIUM_BENCH_GAME_BINARY, when set,
// name another run directory and another game to start.
const char* chosenOr(const char* variable, const char* fallback) {
    const char* chosen = std::getenv(variable);
    return chosen != nullptr && *chosen != 0 ? chosen : fallback;
}
const char* gameDirectory() { return chosenOr("VELVETARIUM_BENCH_GAME_DIR", BENCH_GAME_DIR); }
const char* gameBinary() { return chosenOr("VELVETARIUM_BENCH_GAME_BINARY", BENCH_GAME_BINARY); }

// The child: the frame-time harness, one line per scene.

int framesChild(int frames, bool digest, const std::string& dumpDirectory) {
    bench::FrameOptions options;
    options.gameDir = gameDirectory();
    options.frames = frames;
    options.pixelDigest = digest;
    options.dumpDirectory = dumpDirectory;
    std::vector<bench::SceneTimes> scenes;
    bench::QuadCost quad;
    std::string message;
    const bool ok = bench::runFrameHarness(options, scenes, message, &quad);
    std::printf("renderer %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("quad %.4f %.4f %.4f %.4f\n", quad.opaqueMilliseconds, quad.blendedMilliseconds, quad.fullCount,
                quad.quarterCount);
    for (const bench::SceneTimes& s : scenes) {
        std::printf("windows %s", s.name.c_str());
        for (double v : s.windows) std::printf(" %.4f", v);
        std::printf("\n");
        if (!s.processorMilliseconds.empty()) {
            std::printf("processor %s", s.name.c_str());
            for (double v : s.processorMilliseconds) std::printf(" %.4f", v);
            std::printf("\n");
        }
        std::printf("scene %s %d %llu %llu", s.name.c_str(), s.countedFrames,
                    static_cast<unsigned long long>(s.allocations), static_cast<unsigned long long>(s.gameAllocations));
        for (double v : s.milliseconds) std::printf(" %.4f", v);
        std::printf("\n");
    }
    if (!ok) std::fprintf(stderr, "velvetarium-bench: %s\n", message.c_str());
    std::fflush(stdout);
    return ok ? 0 : 1;
}

// Start-up of the real game in a fresh run directory (a first start: the
// welcome screen), up to its first drawn frame; one untimed run warms the
// file cache.
std::vector<double> startupSeconds(int runs, long& peakKilobytes) {
    std::vector<double> seconds;
    for (int i = 0; i <= runs; ++i) {
        TempDirectory dir(true);
        if (!bench::linkGeneratedFiles(gameDirectory(), dir)) continue;
        const std::string stamp = dir.path("first-frame");
        const bench::ProcessResult r = bench::runProcess(
            gameBinary(), {},
            {"LD_PRELOAD=" BENCH_SHIM, "VELVETARIUM_STARTUP_FILE=" + stamp, "SDL_AUDIODRIVER=dummy"});
        std::ifstream in(stamp);
        double at = 0.0;
        if (!r.started || !(in >> at)) continue;
        peakKilobytes = std::max(peakKilobytes, r.peakKilobytes);
        if (i > 0) seconds.push_back(at - r.startedAt);
    }
    return seconds;
}

double assetSeconds() {
    TempDirectory dir;
    const bench::ProcessResult r = bench::runProcess(BENCH_ASSETS_BINARY, {dir.path("run")});
    return r.started && r.exitCode == 0 ? r.seconds : -1.0;
}

std::string machine() {
    std::ifstream cpu("/proc/cpuinfo");
    std::string line, model = "unknown processor";
    while (std::getline(cpu, line))
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    return model + ", " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores";
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 600;
    bool quick = false, digest = false, child = false, simulationOnly = false;
    std::string dumpDirectory;
    std::vector<char*> passOn{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames-child") == 0) {
            child = true;
        } else if (std::strcmp(argv[i], "--simulation-only") == 0) {
            simulationOnly = true;
        } else if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[i], "--pixel-digest") == 0) {
            digest = true;
        } else if (std::strcmp(argv[i], "--dump-frames") == 0 && i + 1 < argc) {
            dumpDirectory = argv[++i];
        } else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::max(30, std::atoi(argv[++i]));
        } else {
            passOn.push_back(argv[i]);
        }
    }
    if (quick) frames = std::min(frames, 200);
    if (child) return framesChild(frames, digest, dumpDirectory);

    Table table(machine());

    // 1. The Google Benchmark cases.
    std::string minTime = quick ? "--benchmark_min_time=0.05" : "--benchmark_min_time=0.2";
    std::string repetitions = quick ? "--benchmark_repetitions=3" : "--benchmark_repetitions=5";
    passOn.insert(passOn.begin() + 1, minTime.data());
    passOn.insert(passOn.begin() + 2, repetitions.data());
    int benchArgc = static_cast<int>(passOn.size());
    benchmark::Initialize(&benchArgc, passOn.data());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    // 2. The busiest dance's simulation, frame by frame.
    Distribution simProcessor;
    const Distribution sim = busiestSimulation(quick ? 600 : 3000, simProcessor);
    const std::string simTarget = "median <= 0.3, worst <= 1";
    table.distribution("simulation, busiest dance (ms/frame)", sim, simTarget, {0.3, -1.0, 1.0});
    table.distribution("  the same, this thread's processor time", simProcessor, simTarget, {0.3, -1.0, 1.0});
    if (simulationOnly) {
        for (const Collector::Entry& e : collector.entries) table.micro(e.name + " (us, median of runs)", e.microseconds);
        table.print();
        return 0;
    }

    // 3. Whole frames, in a child with the window.
    const bench::ProcessResult visit =
        bench::runProcess(bench::selfPath(), {"--frames-child", "--frames", std::to_string(frames)},
                          {"SDL_AUDIODRIVER=dummy"});
    std::istringstream lines(visit.output);
    std::string line, renderer = "no window";
    std::uint64_t gameAllocations = 0, driverAllocations = 0;
    int countedFrames = 0;
    std::vector<double> processorTimes;
    std::vector<std::pair<std::string, Distribution>> overdraw;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind, name;
        words >> kind;
        if (kind == "renderer") {
            std::getline(words, renderer);
            continue;
        }
        if (kind == "quad") {
            double opaque = -1.0, blended = -1.0, full = -1.0, quarter = -1.0;
            words >> opaque >> blended >> full >> quarter;
            table.value("full-window textured quad, opaque (ms)", opaque, "%.2f", "", true);
            table.value("  the same, blended", blended, "%.2f", "", true);
            // The fragment count must see exactly one window, and a quarter.
            table.value("pixels drawn by a full-window quad (windows)", full, "%.4f", "1", full == 1.0);
            table.value("  by a quarter-window quad", quarter, "%.4f", "0.25", quarter == 0.25);
            continue;
        }
        if (kind == "windows") {
            words >> name;
            std::vector<double> counts;
            for (double v; words >> v;) counts.push_back(v);
            overdraw.emplace_back("pixels drawn per frame, " + name + " (windows)", Distribution::of(counts));
            continue;
        }
        if (kind == "processor") {
            // Comes just before its scene's line.
            words >> name;
            processorTimes.clear();
            for (double v; words >> v;) processorTimes.push_back(v);
            continue;
        }
        if (kind != "scene") continue;
        unsigned long long made = 0, madeByGame = 0;
        int counted = 0;
        words >> name >> counted >> made >> madeByGame;
        std::vector<double> ms;
        for (double v; words >> v;) ms.push_back(v);
        Distribution d = Distribution::of(ms);
        gameAllocations += madeByGame;
        driverAllocations += made - madeByGame;
        countedFrames += counted;
        const std::string label = name == "dance"    ? "frame, busiest dance (ms)"
                                  : name == "frozen" ? "frame, frozen moment with ghosts (ms)"
                                                     : "frame, menu (ms)";
        table.distribution(label, d, "median <= 8, p99 <= 16.7", {8.0, 16.7, -1.0}, "%.2f");
        if (!processorTimes.empty())
            table.distribution("  the same, processor time of all threads", Distribution::of(processorTimes), "",
                               {}, "%.2f");
        processorTimes.clear();
    }
    for (const auto& [label, d] : overdraw) table.distribution(label, d);
    if (visit.exitCode != 0) table.note("the frame-time harness failed (exit " + std::to_string(visit.exitCode) + ")");
    table.value("heap allocations by the game, drawn frames (all)", static_cast<double>(gameAllocations), "%.0f",
                "0", countedFrames > 0 && gameAllocations == 0);
    table.value("heap allocations by the GL driver etc., per frame",
                countedFrames > 0 ? static_cast<double>(driverAllocations) / countedFrames : -1.0, "%.0f",
                "(not ours)", true);
    table.value("heap allocations, busiest dance simulated (all)", static_cast<double>(sim.allocations), "%.0f", "0",
                sim.count > 0 && sim.allocations == 0);

    // 4. Start-up, memory, assets.
    long startupKilobytes = 0;
    const std::vector<double> startup = startupSeconds(quick ? 2 : 5, startupKilobytes);
    table.distribution("start-up to the first welcome frame (s)", Distribution::of(startup), "median <= 0.8", {0.8});
    table.value("peak resident memory, frame harness (MB)", visit.peakKilobytes / 1024.0, "%.1f", "<= 150",
                visit.peakKilobytes > 0 && visit.peakKilobytes / 1024.0 <= 150.0);
    table.value("peak resident memory, game at start-up (MB)", startupKilobytes / 1024.0, "%.1f", "<= 150",
                startupKilobytes > 0 && startupKilobytes / 1024.0 <= 150.0);
    const double assets = assetSeconds();
    table.value("velvetarium-assets, every file (s)", assets, "%.2f", "<= 30", assets >= 0.0 && assets <= 30.0);

    for (const Collector::Entry& e : collector.entries) table.micro(e.name + " (us, median of runs)", e.microseconds);
    table.note("renderer:" + renderer);
    table.print();
    return 0;
}

// velvetarium-bench: the performance figures of the game in one table.
//
//   velvetarium-bench [--quick] [--simulation-only] [--frames N] [--benchmark_...]
//   velvetarium-bench --frames-child [--frames N] [--pixel-digest] [--pixel-dump DIR]
//
// Runs the Google Benchmark cases of the simulation, the busiest dance's
// simulation frame by frame, the frame-time harness (in a child process of
// its own, which needs a display: run under scripts/with-xvfb), the start-up
// of the real game and the asset generator, and prints one table with the
// targets. --frames-child runs only the frame-time harness, in this process,
// and prints its rows one per line, tab-separated; --pixel-digest adds a
// digest of every timed frame's pixels: two builds that draw the same pixels
// print the same digests; --pixel-dump also writes every 50th timed frame
// into DIR (scripts/compare-frames compares two such directories).

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BusiestDance.h"
#include "bench/FrameHarness.h"
#include "support/AllocationCounter.h"
#include "support/TempDirectory.h"

namespace {

// The one table: a row per figure (measure, median, p95, p99, worst,
// target, result), then notes.
class Table {
public:
    using Row = std::array<std::string, 7>;

    // Median, 95th and 99th percentile (nearest rank) and the worst; each
    // limit below 0 is none. A row without a target only informs.
    void distribution(const std::string& what, std::vector<double> values, const std::string& target = "",
                      std::array<double, 3> limits = {-1, -1, -1}, const char* format = "%.3f") {
        if (values.empty()) return rows.push_back({what, "-", "-", "-", "-", target, "NOT MEASURED"});
        std::sort(values.begin(), values.end());
        const auto rank = [&](double percent) {
            const auto index = static_cast<std::size_t>(std::max(1.0, std::ceil(percent / 100.0 * values.size())));
            return values[std::min(index, values.size()) - 1];
        };
        const double median = rank(50), p99 = rank(99), worst = values.back();
        const auto within = [](double value, double limit) { return limit < 0 || value <= limit; };
        const bool met = within(median, limits[0]) && within(p99, limits[1]) && within(worst, limits[2]);
        rows.push_back({what, number(median, format), number(rank(95), format), number(p99, format),
                        number(worst, format), target, target.empty() ? "" : met ? "met" : "MISSED"});
    }
    void value(const std::string& what, double v, const char* format, const std::string& target = "",
               bool met = true) {
        rows.push_back({what, v < 0 ? "-" : number(v, format), "", "", "", target,
                        target.empty() ? "" : met ? "met" : "MISSED"});
    }

    // The child's form: "row" or "note" and the fields, tab-separated.
    void emit() const {
        for (const Row& row : rows) {
            std::printf("row");
            for (const std::string& field : row) std::printf("\t%s", field.c_str());
            std::printf("\n");
        }
        for (const std::string& note : notes) std::printf("note\t%s\n", note.c_str());
    }
    void take(const std::string& line) {
        std::istringstream in(line);
        std::string kind;
        Row row;
        std::getline(in, kind, '\t');
        for (std::string& field : row) std::getline(in, field, '\t');
        if (kind == "row") rows.push_back(row);
        if (kind == "note") notes.push_back(row[0]);
    }
    void print(const std::string& machine) const {
        int width = 10;
        for (const Row& r : rows) width = std::max(width, static_cast<int>(r[0].size()));
        std::printf("\nVelvetarium performance on %s\n\n", machine.c_str());
        const auto line = [width](const Row& r) {
            std::printf("%-*s %10s %10s %10s %10s  %-28s %s\n", width, r[0].c_str(), r[1].c_str(), r[2].c_str(),
                        r[3].c_str(), r[4].c_str(), r[5].c_str(), r[6].c_str());
        };
        line({"measure", "median", "p95", "p99", "worst", "target", "result"});
        for (const Row& r : rows) line(r);
        for (const std::string& n : notes) std::printf("%s\n", n.c_str());
    }

    std::vector<std::string> notes;

private:
    static std::string number(double v, const char* format) {
        char text[64];
        std::snprintf(text, sizeof text, format, v);
        return text;
    }
    std::vector<Row> rows;
};

// Keeps every benchmark's time per iteration as a row. With repetitions
// only their median is kept: a busy machine's preemptions spoil a mean,
// seldom a median.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") ||
                (run.run_type == Run::RT_Iteration && run.repetitions > 1))
                continue;
            std::string name = run.benchmark_name();
            for (const char* noise : {"/manual_time", "_median"})
                if (const std::size_t at = name.find(noise); at != std::string::npos) name.erase(at, std::strlen(noise));
            const double scale = benchmark::GetTimeUnitMultiplier(run.time_unit);
            rows.emplace_back(name + " (us, median of runs)", run.GetAdjustedRealTime() / scale * 1.0e6);
        }
    }
    std::vector<std::pair<std::string, double>> rows;
};

// The busiest dance's simulation (think and update), frame by frame: wall
// time and this thread's own processor time, and the heap allocations.
void busiestSimulation(Table& table, int frames) {
    bench::HeadlessDance dance;
    std::vector<double> ms, cpu;
    std::uint64_t made = 0;
    if (!dance.start()) frames = 0;
    for (int i = 0; i < frames; ++i) {
        dance.prepare();
        const double cpuBegin = bench::cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID);
        const auto begin = std::chrono::steady_clock::now();
        {
            allocations::CountedScope counted;
            dance.simulate();
            made += counted.allocations();
        }
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        cpu.push_back(bench::cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) - cpuBegin);
    }
    const std::string target = "median <= 0.3, worst <= 1";
    table.distribution("simulation, busiest dance (ms/frame)", ms, target, {0.3, -1, 1});
    table.distribution("  the same, this thread's processor time", cpu, target, {0.3, -1, 1});
    table.value("heap allocations, busiest dance simulated (all)", ms.empty() ? -1.0 : static_cast<double>(made),
                "%.0f", "0", !ms.empty() && made == 0);
}

double peakMegabytes(const rusage& usage) { return static_cast<double>(usage.ru_maxrss) / 1024.0; }

// The child: the frame-time harness, its rows for the parent's table.
int framesChild(int frames, bool digest, const std::string& dumpDirectory) {
    const bench::FrameOptions options{
        .gameDir = BENCH_GAME_DIR, .frames = frames, .pixelDigest = digest, .dumpDirectory = dumpDirectory};
    std::vector<bench::SceneTimes> scenes;
    bench::QuadCost quad;
    std::string message;
    const bool ok = bench::runFrameHarness(options, scenes, message, &quad);
    Table table;
    std::uint64_t game = 0, driver = 0;
    int counted = 0;
    for (const bench::SceneTimes& s : scenes) {
        const std::string label = s.name == "dance" ? "busiest dance" : s.name == "frozen" ? "frozen moment" : s.name;
        table.distribution("frame, " + label + (s.name == "frozen" ? " with ghosts" : "") + " (ms)", s.milliseconds,
                           "median <= 8, p99 <= 16.7", {8.0, 16.7, -1}, "%.2f");
        table.distribution("  the same, processor time of all threads", s.processorMilliseconds, "", {-1, -1, -1},
                           "%.2f");
        table.distribution("pixels drawn per frame, " + label + " (windows)", s.windows);
        // The game's peak so far: the freeze's row covers the whole visit, before the quad's texture.
        table.value("peak resident memory, game up to the end of the " + label + " (MB)", s.peakMegabytes, "%.1f",
                    "<= 150", s.peakMegabytes > 0 && s.peakMegabytes <= 150.0);
        game += s.gameAllocations;
        driver += s.allocations - s.gameAllocations;
        counted += s.countedFrames;
    }
    table.value("heap allocations by the game, drawn frames (all)", static_cast<double>(game), "%.0f", "0",
                counted > 0 && game == 0);
    table.value("heap allocations by the GL driver etc., per frame",
                counted > 0 ? static_cast<double>(driver) / counted : -1.0, "%.0f", "(not ours)");
    table.value("full-window textured quad, opaque (ms)", quad.opaque, "%.2f");
    table.value("  the same, blended", quad.blended, "%.2f");
    // The fragment count must see exactly one window, and a quarter.
    table.value("pixels drawn by a full-window quad (windows)", quad.fullCount, "%.4f", "1", quad.fullCount == 1.0);
    table.value("  by a quarter-window quad", quad.quarterCount, "%.4f", "0.25", quad.quarterCount == 0.25);
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    table.notes.push_back(std::string("renderer: ") + (renderer != nullptr ? renderer : "no window"));
    if (!ok) table.notes.push_back("the frame-time harness failed: " + message);
    table.emit();
    return ok ? 0 : 1;
}

// Runs a program to its end: whether it exited with 0, the steady clock
// just before it started (s), its wall time (s) and its own peak memory.
struct Run {
    bool ok = false;
    double startedAt = 0.0, seconds = 0.0;
    rusage usage{};
};
Run run(const char* program, const char* argument = nullptr) {
    Run result;
    const auto begin = std::chrono::steady_clock::now();
    result.startedAt = std::chrono::duration<double>(begin.time_since_epoch()).count();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || wait4(pid, &status, 0, &result.usage) != pid) return result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Start-up of the real game in a fresh run directory (a first start: the
// welcome screen), up to its first drawn frame, caught by the preloaded
// shim; one untimed run warms the file cache. Then its peak memory.
void startup(Table& table, int runs) {
    std::vector<double> seconds;
    double peak = 0.0;
    for (int i = 0; i <= runs; ++i) {
        TempDirectory dir(true);
        if (!bench::linkGeneratedFiles(BENCH_GAME_DIR, dir)) continue;
        setenv("VELVETARIUM_STARTUP_FILE", dir.path("first-frame").c_str(), 1);
        setenv("LD_PRELOAD", BENCH_SHIM, 1);
        const Run r = run(BENCH_GAME_BINARY);
        unsetenv("LD_PRELOAD");
        std::ifstream in(dir.path("first-frame"));
        double at = 0.0;
        if (!r.ok || !(in >> at)) continue;
        peak = std::max(peak, peakMegabytes(r.usage));
        if (i > 0) seconds.push_back(at - r.startedAt);
    }
    table.distribution("start-up to the first welcome frame (s)", seconds, "median <= 0.8", {0.8, -1, -1});
    table.value("peak resident memory, game at start-up (MB)", peak > 0 ? peak : -1.0, "%.1f", "<= 150",
                peak > 0 && peak <= 150.0);
}

std::string machine() {
    std::ifstream cpu("/proc/cpuinfo");
    std::string line, model = "unknown processor";
    while (std::getline(cpu, line) && model == "unknown processor")
        if (line.rfind("model name", 0) == 0) model = line.substr(line.find(':') + 2);
    return model + ", " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores";
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--quick") == 0; });
    int frames = 600;
    bool digest = false, child = false, simulationOnly = false;
    std::string dumpDirectory;
    std::string minTime = quick ? "--benchmark_min_time=0.05" : "--benchmark_min_time=0.2";
    std::string repetitions = quick ? "--benchmark_repetitions=3" : "--benchmark_repetitions=5";
    std::vector<char*> passOn{argv[0], minTime.data(), repetitions.data()};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--frames" && i + 1 < argc) frames = std::max(30, std::atoi(argv[++i]));
        else if (a == "--frames-child") child = true;
        else if (a == "--simulation-only") simulationOnly = true;
        else if (a == "--quick") continue;
        else if (a == "--pixel-digest") digest = true;
        else if (a == "--pixel-dump" && i + 1 < argc) dumpDirectory = argv[++i];
        else passOn.push_back(argv[i]);
    }
    if (quick) frames = std::min(frames, 200);
    if (child) return framesChild(frames, digest, dumpDirectory);

    int benchArgc = static_cast<int>(passOn.size());
    benchmark::Initialize(&benchArgc, passOn.data());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    Table table;
    busiestSimulation(table, quick ? 600 : 3000);
    if (!simulationOnly) {
        // Whole frames, in a child with the window.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        std::FILE* visit = popen((self + " --frames-child --frames " + std::to_string(frames)).c_str(), "r");
        char line[4096];
        while (visit != nullptr && std::fgets(line, sizeof line, visit) != nullptr)
            table.take(std::string(line, std::strcspn(line, "\n")));
        if (visit == nullptr || pclose(visit) != 0) table.notes.push_back("the frame-time harness failed");
        startup(table, quick ? 2 : 5);
        TempDirectory dir;
        const Run assets = run(BENCH_ASSETS_BINARY, dir.path("run").c_str());
        table.value("velvetarium-assets, every file (s)", assets.ok ? assets.seconds : -1.0, "%.2f", "<= 30",
                    assets.ok && assets.seconds <= 30.0);
    }
    for (const auto& [name, microseconds] : collector.rows) table.value(name, microseconds, "%.1f");
    table.print(machine());
    return 0;
}

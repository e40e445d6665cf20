#include "bench/FrameHarness.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

#include "actors/Random.h"
#include "bench/BusiestDance.h"
#include "game/Game.h"
#include "game/InputSnapshot.h"
#include "game/ProgressStore.h"
#include "support/AllocationCounter.h"
#include "support/TempDirectory.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace bench {

bool linkGeneratedFiles(const std::string& gameDir, const TempDirectory& dir) {
    std::error_code error;
    for (const auto& file : fs::directory_iterator(gameDir, error)) {
        const std::string name = file.path().filename().string();
        if (name == "savegame.txt" || name == "log.txt" || !file.is_regular_file()) continue;
        fs::create_symlink(file.path(), dir.path(name), error);
        if (error) return false;
    }
    return !error && fs::exists(dir.path("476.tga"));
}

namespace {

constexpr int width = 1024;
constexpr int height = 768;
const Vector playButton{-1.235f, -1.72f};

std::time_t fixedClock() { return 20240101; }

// A progress file of a player who finished every dance, the ninth at pro
// and the rest at star, so that the game starts on level 9 at star.
bool writeProgress() {
    ProgressStore store;
    store.holdWrites();
    for (std::uint8_t level = 1; level <= 9; ++level) {
        const int fields[] = {600, 300, 100, 150, level == 9 ? 2 : 3};
        for (std::uint8_t field = 1; field <= 5; ++field) store.setField(level, field, fields[field - 1]);
    }
    return store.releaseWrites();
}

bool openWindow(std::string& message) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO) != 0 && SDL_Init(SDL_INIT_VIDEO) != 0) {
        message = std::string("SDL: ") + SDL_GetError();
        return false;
    }
    // The game's own attributes, but no vertical sync: the harness measures
    // the work, not the display.
    for (SDL_GLattr size : {SDL_GL_RED_SIZE, SDL_GL_GREEN_SIZE, SDL_GL_BLUE_SIZE, SDL_GL_ALPHA_SIZE})
        SDL_GL_SetAttribute(size, 5);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
    if (SDL_SetVideoMode(width, height, 32, SDL_HWSURFACE | SDL_OPENGL | SDL_ANYFORMAT) != nullptr) return true;
    message = std::string("no OpenGL window: ") + SDL_GetError();
    return false;
}

const std::vector<std::uint8_t>& finishedFrame() {
    static std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_FRONT);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// FNV-1a over the finished frame's RGBA bytes: two builds that draw the
// same pixels print the same digests.
std::uint64_t pixelDigest(const std::vector<std::uint8_t>& pixels) {
    std::uint64_t h = 1469598103934665603ull;
    for (std::uint8_t c : pixels) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The frame as a binary PPM (bottom row first), for comparing two builds
// pixel by pixel where their digests differ.
void dumpFrame(const std::vector<std::uint8_t>& pixels, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (std::size_t i = 0; i < pixels.size(); i += 4) std::fwrite(&pixels[i], 1, 3, file);
    std::fclose(file);
}

// The fragments (pixels written, blended or not) of what `draw` sends, in
// windows; the occlusion query counts every fragment that reaches the frame.
template <typename Draw>
double windowsDrawn(Draw draw) {
    GLuint query = 0, samples = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_SAMPLES_PASSED, query);
    draw();
    glEndQuery(GL_SAMPLES_PASSED);
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &samples);
    glDeleteQueries(1, &query);
    return static_cast<double>(samples) / (static_cast<double>(width) * height);
}

// A full-window textured quad (a 1024 x 1024 texture, linear filters, as
// the game's pictures), opaque or blended: milliseconds per quad, the median
// of batches of 20.
QuadCost measureQuadCost() {
    std::vector<std::uint8_t> texels(1024u * 1024u * 4u);
    for (std::size_t i = 0; i < texels.size(); ++i) texels[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, 1024, 1024, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const auto quad = [](float right, float top) {
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2f(-1, -1), glTexCoord2f(1, 0), glVertex2f(right, -1);
        glTexCoord2f(1, 1), glVertex2f(right, top), glTexCoord2f(0, 1), glVertex2f(-1, top);
        glEnd();
    };
    QuadCost cost;
    cost.fullCount = windowsDrawn([&] { quad(1, 1); });
    cost.quarterCount = windowsDrawn([&] { quad(0, 0); });
    for (const bool blended : {false, true}) {
        blended ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        std::vector<double> batches;
        for (int b = 0; b < 7; ++b) {
            glFinish();
            const auto begin = std::chrono::steady_clock::now();
            for (int i = 0; i < 20; ++i) quad(1, 1);
            glFinish();
            batches.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count() / 20.0);
        }
        std::nth_element(batches.begin(), batches.begin() + 3, batches.end());
        (blended ? cost.blended : cost.opaque) = batches[3];
    }
    glDeleteTextures(1, &texture);
    return cost;
}

class Visit {
public:
    Visit(Game& g, const FrameOptions& o) : game(g), options(o) {}

    // One frame, untimed.
    void step() {
        SDL_PumpEvents();
        game.frame(input, frameSeconds);
        SDL_GL_SwapBuffers();
    }
    void wait(int frames) {
        for (int i = 0; i < frames; ++i) step();
    }
    void click() {
        input.leftButton = true;
        step();
        input.leftButton = false;
        step();
    }
    // Steers the cat onto a place in the menu, as a player's hand would.
    bool moveCatTo(Vector target) {
        for (int i = 0; i < 600; ++i) {
            const Vector way = target - game.stage()->catPositionNow();
            if (std::fabs(way.x) < 0.04f && std::fabs(way.y) < 0.04f) return true;
            input.mouseX += std::clamp(static_cast<int>(std::lround(way.x * 100.0f)), -30, 30);
            input.mouseY += std::clamp(static_cast<int>(std::lround(-way.y * 100.0f)), -30, 30);
            step();
        }
        return false;
    }
    void steer(const SimInput& in) {
        input.mouseX = in.mouseX;
        input.mouseY = in.mouseY;
    }

    // Measures options.frames frames, then counts the allocations of
    // options.countedFrames more; before each (untimed) `prepare` sets the
    // input. Stops early when `going` turns false.
    template <typename Prepare, typename Going>
    SceneTimes measure(const char* name, Prepare prepare, Going going) {
        SceneTimes scene;
        scene.name = name;
        for (int i = 0; i < options.frames + options.countedFrames && going(); ++i) {
            SDL_PumpEvents();
            prepare();
            if (i >= options.frames) {
                allocations::CountedScope counted(true);
                game.frame(input, frameSeconds);
                SDL_GL_SwapBuffers();
                scene.allocations += counted.allocations();
                scene.gameAllocations += counted.gameAllocations();
                ++scene.countedFrames;
            } else if (i % 10 == 9) {
                scene.windows.push_back(windowsDrawn([&] { game.frame(input, frameSeconds); }));
                SDL_GL_SwapBuffers();
            } else {
                const double processorBegin = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
                const auto begin = std::chrono::steady_clock::now();
                game.frame(input, frameSeconds);
                SDL_GL_SwapBuffers();
                const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - begin;
                scene.processorMilliseconds.push_back(cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - processorBegin);
                scene.milliseconds.push_back(spent.count());
                if (options.pixelDigest || !options.dumpDirectory.empty()) {
                    const std::vector<std::uint8_t>& pixels = finishedFrame();
                    std::printf("digest %s %d %016llx\n", name, i, static_cast<unsigned long long>(pixelDigest(pixels)));
                    if (!options.dumpDirectory.empty() && i % 50 == 5)
                        dumpFrame(pixels, options.dumpDirectory + "/" + name + std::to_string(i) + ".ppm");
                }
            }
        }
        rusage usage{};
        if (getrusage(RUSAGE_SELF, &usage) == 0) scene.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
        return scene;
    }

    Game& game;
    const FrameOptions& options;
    InputSnapshot input;
};

}  // namespace

bool runFrameHarness(const FrameOptions& options, std::vector<SceneTimes>& scenes, std::string& message,
                     QuadCost* quad) {
    const auto fail = [&message](std::string text) {
        message = std::move(text);
        return false;
    };
    // A run directory of its own: the generated files and the progress file.
    TempDirectory dir(true);
    if (!dir.ok() || !linkGeneratedFiles(options.gameDir, dir))
        return fail("no generated run directory at " + options.gameDir);
    if (!writeProgress()) return fail("the progress file could not be written");
    if (!openWindow(message)) return false;
    // Every reseed reads one fixed clock, so that a visit replays exactly.
    setSeedClock(fixedClock);

    auto game = std::make_unique<Game>();
    game->init(width, height, true);
    World& w = *game->stage();
    Visit visit(*game, options);
    visit.input.mouseX = width / 2;
    visit.input.mouseY = height / 2;
    const auto always = [] { return true; };

    // The first screen, then the menu with its level preview.
    visit.wait(20);
    visit.click();
    visit.wait(40);
    if (!game->paused) return fail("the menu did not open");
    int angle = 0;
    scenes.push_back(visit.measure("menu", [&] {
        // The hand wanders a little, the cat follows it around the menu.
        angle += 3;
        visit.input.mouseX = 512 + static_cast<int>(40.0 * std::cos(angle * 0.0174533));
        visit.input.mouseY = 384 + static_cast<int>(40.0 * std::sin(angle * 0.0174533));
    }, always));

    // Play: level 9 at star, as the progress file left it.
    if (!visit.moveCatTo(playButton)) return fail("the cat never reached Play");
    visit.click();
    if (game->paused || w.level != 9 || w.difficulty != 3)
        return fail("the dance did not start at level 9, star");
    // A dance waits for a click after its first second.
    visit.wait(70);
    visit.click();
    w.nameEntry = false;

    PlayerBot bot(frameSeconds);
    std::uint32_t turn = 0;
    int frame = 0;
    const auto dance = [&] { visit.steer(busiestUpkeep(bot, w, frame++, turn)); };
    for (int i = 0; i < options.warmUpFrames; ++i) dance(), visit.step();
    scenes.push_back(visit.measure("dance", dance, always));

    // A right click freezes the moment; its ghosts show while it lasts.
    visit.input.rightButton = true;
    visit.step();
    visit.input.rightButton = false;
    scenes.push_back(visit.measure("frozen", [&] { visit.steer(bot.step(w, frame++)); }, [&] { return w.frozen; }));
    const SceneTimes& frozen = scenes.back();
    if (static_cast<int>(frozen.milliseconds.size() + frozen.windows.size()) + frozen.countedFrames <
        std::min(30, options.frames + options.countedFrames))
        return fail("time was not frozen");
    if (quad != nullptr) *quad = measureQuadCost();
    return true;
}

}  // namespace bench

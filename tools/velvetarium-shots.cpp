// velvetarium-shots: the screenshots of docs/screenshots, taken from the real
// Game in a real OpenGL window (run it under scripts/with-xvfb).
//
//   velvetarium-shots GAME_DIR OUT_DIR
//
// The Game is played frame by frame with scripted mouse and keyboard input,
// as a player would play it, in private copies of the run directory GAME_DIR
// (the pictures, sounds and music linked, a progress file of its own). Each
// picture is read back from the frame the Game has just drawn and written to
// OUT_DIR as a binary PPM file; `make screenshots` turns them into small PNGs.
// The random generator's clock is fixed, so every run shows the same dances.
//
// For the people who draw the pictures: SHOTS_CLOSEUPS=1 adds magnified
// views of the Prima Ballerina, some dancers, muses and the badge;
// SHOTS_QUICK=1 stops after the close-ups; SHOTS_ONLY=first, pro or star
// plays only that part.
#include <GL/gl.h>
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "actors/Avatar.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/Random.h"
#include "game/Game.h"
#include "game/ProgressStore.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

constexpr int width = 1024;
constexpr int height = 768;
// The frame step of the script: the game takes any frame rate.
constexpr float frameSeconds = 1.0f / 30.0f;

std::string outDir;
int failures = 0;

// A fixed clock for the random generator: the same pictures on every run.
std::time_t fixedClock() { return 1718000000; }

bool openWindow() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    return SDL_SetVideoMode(width, height, 0, SDL_OPENGL) != nullptr;
}

// The frame just drawn (the back buffer, before the swap) as a PPM file.
void savePicture(const std::string& name) {
    glFinish();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const std::string path = outDir + "/" + name + ".ppm";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "velvetarium-shots: cannot write %s\n", path.c_str());
        ++failures;
        return;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y) std::fwrite(rgb.data() + static_cast<std::size_t>(y) * width * 3, 1, width * 3, f);
    std::fclose(f);
    std::printf("velvetarium-shots: %s\n", name.c_str());
}

// A run directory of its own: every file of the generated one linked, the
// player's files left out. The process works inside it while it lives.
class RunDirectory {
public:
    explicit RunDirectory(const std::string& game) {
        char pattern[] = "/tmp/velvetarium-shots.XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        dir = pattern;
        std::error_code error;
        for (const auto& file : fs::directory_iterator(game, error)) {
            const std::string name = file.path().filename().string();
            if (name == "savegame.txt" || name == "log.txt" || !file.is_regular_file()) continue;
            fs::create_symlink(fs::absolute(file.path()), fs::path(dir) / name, error);
        }
        previous = fs::current_path(error);
        fs::current_path(dir, error);
        ready = !error && fs::exists(fs::path(dir) / "476.tga");
    }
    ~RunDirectory() {
        std::error_code error;
        fs::current_path(previous, error);
        if (!dir.empty()) fs::remove_all(dir, error);
    }
    bool ok() const { return ready; }

private:
    std::string dir;
    fs::path previous;
    bool ready = false;
};

// Plays the game: moves the mouse (the cat takes at most 30 pixels a
// frame), presses buttons and keys, lets time pass, keeps the pictures.
class Player {
public:
    explicit Player(Game& g) : game(g) { input.mouseX = width / 2; input.mouseY = height / 2; }

    World& world() { return *game.stage(); }

    void frame() {
        if (!ended) ended = game.frame(input, frameSeconds);
        SDL_GL_SwapBuffers();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
    }
    // One more frame, read back before it is shown.
    void shot(const std::string& name) {
        if (!ended) ended = game.frame(input, frameSeconds);
        savePicture(name);
        SDL_GL_SwapBuffers();
    }
    // A frame seen through a magnifying glass: the stage projection narrowed
    // to halfWidth units around a stage point (the camera's view of it).
    void closeup(const std::string& name, Vector at, float halfWidth) {
        const Vector c = at - world().cameraPosition;
        const float halfHeight = halfWidth * 0.75f;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(c.x - halfWidth, c.x + halfWidth, c.y - halfHeight, c.y + halfHeight, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        shot(name);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2.8, 2.8, -2.1, 2.1, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
    }
    void wait(float seconds) {
        for (float t = 0.0f; t < seconds && !ended; t += frameSeconds) frame();
    }
    void click() {
        input.leftButton = true;
        frame();
        frame();
        input.leftButton = false;
        frame();
    }
    void rightClick() {
        input.rightButton = true;
        frame();
        frame();
        input.rightButton = false;
        frame();
    }
    void key(char letter) {
        input.letters[letter - 'a'] = true;
        frame();
        input.letters[letter - 'a'] = false;
        frame();
    }
    void nudge(float unitsX, float unitsY) {
        input.mouseX += std::clamp(static_cast<int>(std::lround(unitsX * 100.0f)), -20, 20);
        input.mouseY += std::clamp(static_cast<int>(std::lround(-unitsY * 100.0f)), -20, 20);
        frame();
    }
    bool moveCatTo(Vector target, float reach = 0.04f, int frameLimit = 600) {
        for (int i = 0; i < frameLimit && !ended; ++i) {
            const Vector way = target - world().catPositionNow();
            if (std::fabs(way.x) < reach && std::fabs(way.y) < reach) return true;
            nudge(way.x, way.y);
        }
        return false;
    }
    // Keeps the cat on the ballerina nearest to the Prima Ballerina for a
    // while, or until done() holds.
    template <typename Done>
    bool followBallerina(float seconds, Done done) {
        for (float t = 0.0f; t < seconds && !ended; t += frameSeconds) {
            if (done()) return true;
            const int slot = nearestBallerina();
            const Vector target = slot < 0 ? world().catPositionNow() : world().obstacles[slot]->position;
            const Vector way = target - world().catPositionNow();
            nudge(way.x, way.y);
        }
        return done();
    }
    int nearestBallerina() {
        World& w = world();
        int best = -1;
        float bestDistance = 1.0e30f;
        for (int i = 0; i < World::poolCapacity; ++i) {
            if (w.obstacles[i]->kind != Kind::ballerina) continue;
            const float d = (w.obstacles[i]->position - w.primaPositionNow()).length();
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return best;
    }
    // Types a name as the name entry takes it from the keyboard (y and z
    // exchanged, as on the keyboards the game was made for).
    void type(const std::string& text) {
        for (char c : text) {
            char k = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            if (k == 'y') k = 'z';
            else if (k == 'z') k = 'y';
            if (k >= 'a' && k <= 'z') key(k);
        }
    }

    InputSnapshot input;
    bool ended = false;

private:
    Game& game;
};

// Menu places (stage units) the cat is steered onto.
const Vector playButton{-1.235f, -1.72f, 0.0f};
const Vector levelUpArrow{0.025f, -1.0f, 0.0f};

void report(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "velvetarium-shots: %s\n", what);
    ++failures;
}

// A first start: welcome, menu, the first city, a dance with the cat on a
// ballerina, a freeze, a name entry, a lost dance.
void firstStart(const std::string& gameDir) {
    RunDirectory run(gameDir);
    if (!run.ok()) {
        report(false, "no run directory");
        return;
    }
    Game game;
    game.init(width, height, false);
    Player p(game);
    p.wait(1.5f);
    p.shot("welcome");
    p.click();
    p.wait(1.0f);
    p.shot("menu-guided");
    report(p.moveCatTo(levelUpArrow), "the cat never reached the level arrow");
    p.click();
    p.wait(1.0f);
    p.shot("menu-city");
    report(p.moveCatTo(playButton), "the cat never reached Play");
    p.click();
    p.wait(1.5f);
    p.click();  // past "Press a mouse key"
    World& w = *game.stage();
    p.followBallerina(4.0f, [] { return false; });
    p.shot("dance-amateur");
    if (std::getenv("SHOTS_CLOSEUPS") != nullptr) {
        p.closeup("closeup-prima", w.primaPositionNow(), 0.7f);
        for (int i = 0, n = 0; i < World::poolCapacity && n < 4; ++i) {
            if (w.obstacles[i]->kind == 0) continue;
            p.closeup("closeup-dancer" + std::to_string(n++), w.obstacles[i]->position, 0.7f);
        }
        for (int i = 0, n = 0; i < World::poolCapacity && n < 2; ++i) {
            if (w.muses[i]->kind == 0) continue;
            p.closeup("closeup-muse" + std::to_string(n++), w.muses[i]->position, 0.7f);
        }
        if (std::getenv("SHOTS_QUICK") != nullptr) return;
    }
    // The cat on her for a moment: her badge grows in.
    int onHer = 0;
    report(p.followBallerina(15.0f, [&] {
        onHer = w.catOnBallerina ? onHer + 1 : 0;
        return onHer >= 10;
    }), "the cat never stood on a ballerina");
    p.shot("badge");
    if (std::getenv("SHOTS_CLOSEUPS") != nullptr) p.closeup("closeup-badge", w.catPositionNow(), 1.0f);
    p.rightClick();
    p.wait(0.8f);
    p.shot("freeze");
    p.wait(6.0f);
    const bool entry = p.followBallerina(20.0f, [&] {
        if (w.nameEntry) return true;
        p.input.leftButton = !p.input.leftButton;
        return false;
    });
    p.input.leftButton = false;
    report(entry, "no name entry started");
    if (entry) {
        const std::string name = w.obstacles[w.chosenObstacle]->name;
        p.wait(0.6f);
        p.type(name.substr(0, std::min<std::size_t>(3, name.size())));
        p.wait(0.3f);
        p.shot("name-entry");
        p.type(name.substr(std::min<std::size_t>(3, name.size())));
        p.wait(1.5f);
        p.shot("new-prima");
    }
    // Her last heart: the Prima Ballerina is happy and the dance is lost.
    p.frame();
    w.prima().energy = 0;
    p.wait(0.5f);
    p.shot("lost");
}

// A player who has finished every dance (rank 2, pro) or finished them all
// as a professional (rank 3, star), with medals on the world map: the menu,
// a dance at that difficulty and, for the professional, a dance won.
void laterStart(const std::string& gameDir, int rank) {
    RunDirectory run(gameDir);
    if (!run.ok()) {
        report(false, "no run directory");
        return;
    }
    {
        ProgressStore store;
        store.holdWrites();
        const int own[9] = {350, 250, 150, 320, 210, 120, 400, 230, 110};
        for (int level = 1; level <= 9; ++level) {
            store.setField(static_cast<std::uint8_t>(level), 1, 300);
            store.setField(static_cast<std::uint8_t>(level), 2, 200);
            store.setField(static_cast<std::uint8_t>(level), 3, 100);
            store.setField(static_cast<std::uint8_t>(level), 4, own[level - 1]);
            store.setField(static_cast<std::uint8_t>(level), 5, rank - 1);
        }
        store.releaseWrites();
    }
    const std::string name = rank == 2 ? "pro" : "star";
    Game game;
    game.init(width, height, false);
    Player p(game);
    p.wait(0.5f);
    p.click();  // the welcome screen, if any
    p.wait(1.0f);
    if (rank == 3) {  // a star dance in another city: four dances on
        for (int i = 0; i < 4; ++i) {
            report(p.moveCatTo(levelUpArrow), "the cat never reached the level arrow");
            p.click();
            p.wait(0.6f);
        }
    }
    p.shot("menu-" + name);
    report(p.moveCatTo(playButton), "the cat never reached Play");
    p.click();
    p.wait(1.5f);
    p.click();  // past "Press a mouse key"
    p.followBallerina(5.0f, [] { return false; });
    p.shot("dance-" + name);
    if (std::getenv("SHOTS_CLOSEUPS") != nullptr) {
        World& w = *game.stage();
        for (int i = 0, n = 0; i < World::poolCapacity && n < 6; ++i) {
            if (w.obstacles[i]->kind == 0) continue;
            p.closeup("closeup-" + name + std::to_string(n++), w.obstacles[i]->position, 0.7f);
        }
    }
    if (rank != 2) return;
    // Blossoms until the dance is won: the rosette and the result text.
    const bool won = p.followBallerina(120.0f, [&] { return game.paused; });
    report(won, "the dance was not won");
    if (won) {
        p.wait(2.0f);
        p.shot("won");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velvetarium-shots GAME_DIR OUT_DIR\n");
        return 2;
    }
    const std::string gameDir = fs::absolute(argv[1]).string();
    outDir = fs::absolute(argv[2]).string();
    std::error_code error;
    fs::create_directories(outDir, error);
    if (!openWindow()) {
        std::fprintf(stderr, "velvetarium-shots: no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    setSeedClock(fixedClock);
    const char* only = std::getenv("SHOTS_ONLY");
    if (only == nullptr || std::string(only) == "first") firstStart(gameDir);
    if (only == nullptr || std::string(only) == "pro") laterStart(gameDir, 2);
    if (only == nullptr || std::string(only) == "star") laterStart(gameDir, 3);
    SDL_Quit();
    return failures == 0 ? 0 : 1;
}

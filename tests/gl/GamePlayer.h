#pragma once

// Scripted play: the real Game driven frame by frame with input snapshots,
// in a fresh run directory that links every file of the generated one
// (VELVETARIUM_GAME_DIR) except the player's own files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "game/Game.h"
#include "gl/GlContext.h"
#include "support/TempDirectory.h"
#include "world/World.h"

namespace fs = std::filesystem;

// A run directory of its own: the pictures, sounds and music of the build,
// no "savegame.txt" and no "log.txt". The process works inside it.
class RunDirectory {
public:
    RunDirectory() {
        const char* game = std::getenv("VELVETARIUM_GAME_DIR");
        if (game == nullptr || !dir.ok()) return;
        std::error_code error;
        for (const auto& file : fs::directory_iterator(game, error)) {
            const std::string name = file.path().filename().string();
            if (name == "savegame.txt" || name == "log.txt" || !file.is_regular_file()) continue;
            fs::create_symlink(file.path(), dir.path(name), error);
            if (error) return;
        }
        ready = fs::exists(dir.path("476.tga"));
    }
    bool ok() const { return ready; }
    std::string path(const std::string& name) const { return dir.path(name); }
    std::uintmax_t fileSize(const std::string& name) const {
        std::error_code error;
        const auto size = fs::file_size(path(name), error);
        return error ? 0 : size;
    }

private:
    TempDirectory dir{true};
    bool ready = false;
};

// Plays the game as a player would: moves the mouse (at most 30 pixels a
// frame, as the cat takes it), presses buttons and keys, lets time pass.
class Player {
public:
    // Software rendering is slow: the script plays at 20 frames a second,
    // which the game takes like any other frame rate.
    static constexpr float frameSeconds = 1.0f / 20.0f;

    explicit Player(Game& g) : game(g) {}

    World& world() { return *game.stage(); }

    // One frame with the current input; false once the game has ended.
    bool frame(float seconds = frameSeconds) {
        if (ended) return false;
        ended = game.frame(input, seconds);
        return !ended;
    }
    void wait(float seconds) {
        for (float t = 0.0f; t < seconds && !ended; t += frameSeconds) frame();
    }
    // Press in one frame, let go in the next.
    void press(bool& held) {
        held = true;
        frame();
        held = false;
        frame();
    }
    void click() { press(input.leftButton); }
    void key(char letter) { press(input.letters[letter - 'a']); }

    // Moves the mouse by whole pixels, one frame for each step of at most 30.
    void nudge(float unitsX, float unitsY) {
        const int dx = std::clamp(static_cast<int>(std::lround(unitsX * 100.0f)), -30, 30);
        const int dy = std::clamp(static_cast<int>(std::lround(-unitsY * 100.0f)), -30, 30);
        input.mouseX += dx;
        input.mouseY += dy;
        frame();
    }

    // Steers the cat until it is within reach of the target (stage or menu
    // units, whatever the cat's position is in). False if it never got there.
    bool moveCatTo(Vector target, float reach = 0.04f, int frameLimit = 600) {
        for (int i = 0; i < frameLimit && !ended; ++i) {
            const Vector cat = world().catPositionNow();
            const Vector way = target - cat;
            if (std::fabs(way.x) < reach && std::fabs(way.y) < reach) return true;
            nudge(way.x, way.y);
        }
        return false;
    }

    // Keeps the cat on a moving target for the given time or until done()
    // holds. Returns whether done() came true.
    template <typename Done>
    bool follow(Vector (*where)(World&), float seconds, Done done) {
        for (float t = 0.0f; t < seconds && !ended; t += frameSeconds) {
            if (done()) return true;
            const Vector way = where(world()) - world().catPositionNow();
            nudge(way.x, way.y);
        }
        return done();
    }

    bool hasEnded() const { return ended; }

    InputSnapshot input;

private:
    Game& game;
    bool ended = false;
};

// Menu places (stage units) the cat is steered onto.
const Vector playButton{-1.235f, -1.72f};
const Vector quitButton{0.35f, -1.7f};
const Vector levelUpArrow{0.025f, -1.0f};
const Vector previousArrow{-1.5f, 0.05f};
const Vector nextArrow{-0.95f, 0.05f};

// The real Game in a run directory of its own, at its welcome screen.
class GameSession : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(run.ok()) << "no generated run directory in VELVETARIUM_GAME_DIR";
        ASSERT_TRUE(game.init(GlContext::width, GlContext::height, releaseOnQuit));
    }

    // From the welcome screen into the menu, ready for a click on Play.
    void enterMenu() {
        player.wait(0.3f);
        ASSERT_FALSE(game.entered);
        player.click();
        ASSERT_TRUE(game.entered);
        ASSERT_TRUE(game.paused);
        player.wait(0.6f);
    }

    void clickOn(Vector place) {
        ASSERT_TRUE(player.moveCatTo(place)) << "the cat never reached (" << place.x << ", " << place.y << ")";
        player.click();
    }

    // The first city dance, running past its "Press a mouse key".
    void startFirstDance() {
        enterMenu();
        clickOn(levelUpArrow);
        ASSERT_EQ(game.selectedLevel, 1);
        ASSERT_EQ(game.level, 1u);
        ASSERT_EQ(world().level, 1);
        player.wait(0.6f);
        clickOn(playButton);
        ASSERT_FALSE(game.paused);
        player.wait(1.3f);
        player.click();
        player.wait(1.0f);
        ASSERT_FALSE(game.paused);
        ASSERT_FALSE(game.waitForClick);
    }

    World& world() { return player.world(); }

    bool releaseOnQuit = false;
    RunDirectory run;
    Game game;
    Player player{game};
};

// The slot of the ballerina of kind 'o' nearest to the Prima Ballerina, or -1.
inline int nearestBallerina(World& world) {
    int best = -1;
    float bestDistance = 1.0e30f;
    for (int i = 0; i < World::poolCapacity; ++i) {
        if (world.obstacles[i]->kind != Kind::ballerina) continue;
        const float d = (world.obstacles[i]->position - world.primaPositionNow()).length();
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

inline Vector nearestBallerinaPosition(World& world) {
    const int slot = nearestBallerina(world);
    return slot < 0 ? world.catPositionNow() : world.obstacles[slot]->position;
}

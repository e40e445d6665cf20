#pragma once

// Scripted play: the real Game driven frame by frame with input snapshots,
// in a fresh run directory that links every file of the generated one
// (VELVETARIUM_GAME_DIR) except the player's own files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "actors/Random.h"
#include "game/Game.h"
#include "gl/GlContext.h"
#include "support/TempDirectory.h"
#include "world/World.h"

// Plays the game as a player would: moves the mouse (at most 30 pixels a
// frame, as the cat takes it), presses buttons and keys, lets time pass.
// Software rendering is slow: the script plays at 20 frames a second, which
// the game takes like any other frame rate.
class Player {
public:
    static constexpr float frameSeconds = 1.0f / 20.0f;
    explicit Player(Game& g) : game(g) {}
    World& world() { return *game.stage(); }

    // One frame with the current input; false once the game has ended.
    bool frame(float seconds = frameSeconds) { return !ended && !(ended = game.frame(input, seconds)); }
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

    // Steers the cat toward target() for at most the given frames, until
    // done() holds; returns whether it did.
    template <typename Target, typename Done>
    bool steer(Target target, int frames, Done done) {
        for (int i = 0; i < frames && !ended && !done(); ++i) {
            const Vector way = target() - world().catPositionNow();
            input.mouseX += std::clamp(static_cast<int>(std::lround(way.x * 100.0f)), -30, 30);
            input.mouseY += std::clamp(static_cast<int>(std::lround(-way.y * 100.0f)), -30, 30);
            frame();
        }
        return done();
    }
    // The cat within reach of a place (stage or menu units, whatever the
    // cat's position is in).
    bool moveCatTo(Vector place) {
        return steer([place] { return place; }, 600, [&] {
            const Vector way = place - world().catPositionNow();
            return std::fabs(way.x) < 0.04f && std::fabs(way.y) < 0.04f;
        });
    }

    InputSnapshot input;
    bool ended = false;

private:
    Game& game;
};

// Menu places (stage units) the cat is steered onto.
const Vector playButton{-1.235f, -1.72f}, quitButton{0.35f, -1.7f}, levelUpArrow{0.025f, -1.0f};
const Vector previousArrow{-1.5f, 0.05f}, nextArrow{-0.95f, 0.05f};

// A run directory of its own (the pictures, sounds and music of the build,
// no "savegame.txt" and no "log.txt"), entered, and the seed clock fixed.
class GameDirectory : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        const char* generated = std::getenv("VELVETARIUM_GAME_DIR");
        ASSERT_TRUE(generated != nullptr && run.ok()) << "no generated run directory in VELVETARIUM_GAME_DIR";
        for (const auto& file : std::filesystem::directory_iterator(generated)) {
            const std::string name = file.path().filename().string();
            if (name != "savegame.txt" && name != "log.txt" && file.is_regular_file())
                std::filesystem::create_symlink(file.path(), run.path(name));
        }
        // Every dance draws from rand(), seeded by the clock: a fixed clock
        // makes the scripted play and the drawn scenes the same in every run.
        setSeedClock([] { return std::time_t{1}; });
    }
    void TearDown() override { setSeedClock(nullptr); }
    TempDirectory run{true};
};

// The real Game in its run directory, at its welcome screen.
class GameSession : public GameDirectory {
protected:
    void SetUp() override {
        GameDirectory::SetUp();
        ASSERT_TRUE(game.init(gl::width, gl::height, releaseOnQuit));
    }

    std::uintmax_t progressFileSize() { return std::filesystem::file_size(run.path("savegame.txt")); }

    // From the welcome screen into the menu, ready for a click on Play.
    void enterMenu() {
        player.wait(0.3f);
        ASSERT_FALSE(game.entered);
        player.click();
        ASSERT_TRUE(game.entered && game.paused);
        player.wait(0.6f);
    }
    void clickOn(Vector place) {
        ASSERT_TRUE(player.moveCatTo(place)) << "the cat never reached (" << place.x << ", " << place.y << ")";
        player.click();
    }
    // Play, past the dance's "Press a mouse key".
    void play() {
        clickOn(playButton);
        ASSERT_FALSE(game.paused);
        player.wait(1.3f);
        player.click();
        player.wait(0.6f);
        ASSERT_FALSE(game.paused || game.waitForClick);
    }
    // The first city dance, running.
    void startFirstDance() {
        enterMenu();
        clickOn(levelUpArrow);
        ASSERT_EQ(game.selectedLevel, 1);
        ASSERT_EQ(world().level, 1);
        player.wait(0.6f);
        play();
    }
    World& world() { return player.world(); }

    bool releaseOnQuit = false;
    Game game;
    Player player{game};
};

// Where the ballerina of kind 'o' nearest to the Prima Ballerina stands, or
// the cat's own place when there is none.
inline Vector nearestBallerinaPosition(World& world) {
    Vector best = world.catPositionNow();
    float bestDistance = 1.0e30f;
    for (const auto& o : world.obstacles) {
        const float d = (o->position - world.primaPositionNow()).length();
        if (o->kind == Kind::ballerina && d < bestDistance) bestDistance = d, best = o->position;
    }
    return best;
}

#include "game/Game.h"

Game::Game() = default;

bool Game::init(int windowWidth, int windowHeight, bool release) {
    width = windowWidth;
    height = windowHeight;
    releaseOnQuit = release;
    totalClock = 0.0f;
    return true;
}

bool Game::frame(const InputSnapshot& input, float seconds) {
    totalClock += seconds;
    // Until the menu exists, Escape ends the program.
    return input.escape;
}

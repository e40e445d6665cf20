#pragma once

#include "app/InputSnapshot.h"

// The one top-level object of the program. The main loop creates it before
// the window exists, calls init once the OpenGL context is there, and then
// frame once per frame; a true result of frame ends the program.
class Game {
public:
    Game();

    // Loads what the game shows, with a loading screen while it does.
    bool init(int width, int height, bool releaseOnQuit);

    // One frame: input is the held state of mouse and keys, seconds the time
    // since the previous frame. Returns true when the program should end.
    bool frame(const InputSnapshot& input, float seconds);

private:
    int width = 1024;
    int height = 768;
    bool releaseOnQuit = false;
    float totalClock = 0.0f;
};

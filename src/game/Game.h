#pragma once

#include "app/InputSnapshot.h"

class Font;
class WorldRenderer;

// The one top-level object of the program. The main loop creates it before
// the window exists, calls init once the OpenGL context is there, and then
// frame once per frame; a true result of frame ends the program.
//
// This first version shows the stage with a few dancers and the title; the
// menu, the dances and the progress come with the game flow.
class Game {
public:
    // Makes no OpenGL call: the window does not exist yet.
    Game();

    // Sets up the stage view and loads the font and the stage pictures,
    // showing the loading progress while it does. Missing pictures leave
    // empty textures; loading goes on.
    bool init(int width, int height, bool releaseOnQuit);

    // One frame: input is the held state of mouse and keys, seconds the time
    // since the previous frame. Returns true when the program should end.
    bool frame(const InputSnapshot& input, float seconds);

private:
    void showLoadingProgress(int percent);
    void drawDancers(const InputSnapshot& input, float seconds);

    Font* font;
    WorldRenderer* renderer;
    int width = 1024;
    int height = 768;
    bool releaseOnQuit = false;
    float totalClock = 0.0f;
};

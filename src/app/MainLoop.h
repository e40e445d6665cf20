#pragma once

#include "app/DataPaths.h"
#include "app/FrameClock.h"
#include "app/FramePacer.h"
#include "app/InputEvents.h"
#include "app/SystemKeys.h"
#include "game/InputSnapshot.h"

#include <SDL.h>

#include <cstdint>

class Game;

// The program's one loop: opens the log, SDL and the window, creates the one
// Game, then handles one queued event per pass or, with the queue empty and
// the window active, runs one frame. Leaves the process through exit(0) after
// an orderly shutdown, or exit(1) after a failed start-up.
class MainLoop {
public:
    static constexpr int windowWidth = 1024;
    static constexpr int windowHeight = 768;
    static constexpr int colourDepth = 32;

    [[noreturn]] void run();

private:
    void startUp();
    void logRefusedSounds();
    void handleEvent(const SDL_Event& event);
    void runFrame();
    void pollSystemKeys(const std::uint8_t* keys);
    void toggleFullscreen();
    float frameSeconds();
    [[noreturn]] void shutDown();
    [[noreturn]] void fail(const char* format);

    DataPaths paths;
    Game* game = nullptr;  // never destroyed; the process end reclaims it
    SDL_Surface* screen = nullptr;
    WindowFocus focus;
    bool quit = false;            // latest result of Game::frame
    bool closeRequested = false;  // the window was closed
    const std::uint8_t* keyState = nullptr;
    std::uint32_t videoFlags = 0;
    InputSnapshot input;
    PressLatch pressLatch;
    FrameClock clock;
    FramePacer pacer;
    SystemKeys systemKeys;
};

#include "app/MainLoop.h"

#include "app/Log.h"
#include "app/SystemPaths.h"
#include "app/WindowIcon.h"
#include "audio/SoundBank.h"
#include "game/Display.h"
#include "game/Game.h"
#include "world/World.h"

#include <cstdlib>

namespace {

constexpr const char* caption = "VELVETARIUM";
constexpr const char* iconFile = "whirligig.bmp";

}  // namespace

void MainLoop::run() {
    startUp();
    while (!quit && !closeRequested) {
        // The game draws its own pointer.
        SDL_ShowCursor(SDL_DISABLE);
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            handleEvent(event);
        } else if (focus.active) {
            runFrame();
        } else {
            SDL_WaitEvent(nullptr);
        }
    }
    shutDown();
}

void MainLoop::fail(const char* format) {
    logWrite(format, SDL_GetError());
    std::exit(1);
}

void MainLoop::startUp() {
    // Before the log: an installed game changes to its data directory and
    // writes the log and its progress in the player's own directories.
    paths = settleDataPaths();
    logInit();
    logDataPaths(paths);
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        fail("Unable to open SDL: %s\n");
    }

    // The constructor makes no OpenGL call; the context comes later.
    game = new Game();
    // Installed, the progress lives in the player's data directory; in a run
    // directory it stays in the working directory, the Game's default.
    if (paths.perUser()) {
        game->setProgressDirectory(paths.progressDirectory);
    }

    videoFlags = SDL_HWSURFACE | SDL_OPENGL | SDL_ANYFORMAT;
    videoFlags ^= SDL_FULLSCREEN;

    // Before the video mode, so that the icon applies to the new window.
    loadWindowIcon(iconFile);

    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    screen = SDL_SetVideoMode(windowWidth, windowHeight, colourDepth, videoFlags);
    if (screen == nullptr) {
        fail("Unable to open screen surface: %s\n");
    }
    // Without vertical sync the loop would run as fast as the swap returns;
    // then frames are capped instead.
    int swapControl = 0;
    if (SDL_GL_GetAttribute(SDL_GL_SWAP_CONTROL, &swapControl) != 0 || swapControl != 1) {
        pacer.setEnabled(true);
        logWrite("Vertical sync not available, frames are capped at 120 per second\n");
    }

    SDL_WM_SetCaption(caption, nullptr);

    // Timer and app start-up cannot fail; their messages stay for the day
    // they can: "Can't init the timers: %s\n", "App init failed: %s\n".
    focus = WindowFocus{};

    game->init(windowWidth, windowHeight, true);
    logRefusedSounds();

    // The mouse position keeps its start value, the warp point, until the
    // first motion event.
    input.clearKeysAndButtons();
}

// A sound or music file the bank would not play stays silent; the log says
// which and why, so a player who replaced one knows what went wrong.
void MainLoop::logRefusedSounds() {
    const SoundBank* sounds = game->stage() != nullptr ? game->stage()->sounds.get() : nullptr;
    if (sounds == nullptr) return;
    for (int index = 0; index < sounds->refusalCount(); ++index) {
        const SoundRefusal refusal = sounds->refusal(index);
        logWrite("Sound file %s refused: %s\n", refusal.file, refusal.reason);
    }
}

void MainLoop::handleEvent(const SDL_Event& event) {
    const EventOutcome outcome = applyEvent(event, input, focus);
    pressLatch.apply(event, input);
    if (outcome.focusLost) {
        game->focusLost();
    }
    if (outcome.keyWentDown) {
        keyState = SDL_GetKeyState(nullptr);
    }
    for (int i = 0; i < outcome.warps; ++i) {
        SDL_WarpMouse(warpX, warpY);
    }
    // The quit events pushed while Escape is held are consumed; Escape
    // reaches the game through the snapshot. Anything else closed the window.
    if (outcome.quitEvent && systemKeys.takeQuitEvent()) {
        closeRequested = true;
    }
}

void MainLoop::runFrame() {
    if (pacer.isEnabled()) {
        while (const std::uint32_t wait = pacer.waitBefore(SDL_GetTicks())) {
            SDL_Delay(wait);
        }
        pacer.frameStarted(SDL_GetTicks());
    }
    pollSystemKeys(keyState);
    const float seconds = frameSeconds();
    quit = game->frame(input, seconds);
    pressLatch.frameSeen(input);
    presentFrame();
}

void MainLoop::pollSystemKeys(const std::uint8_t* keys) {
    const SystemKeys::Actions actions = systemKeys.poll(keys);
    if (actions.pushQuit) {
        SDL_Event quitEvent;
        quitEvent.type = SDL_QUIT;
        if (SDL_PushEvent(&quitEvent) == -1) {
            fail("SDL_QUIT event can't be pushed: %s\n");
        }
        systemKeys.notePushedQuit();
    }
    if (actions.toggleFullscreen) {
        toggleFullscreen();
    }
}

void MainLoop::toggleFullscreen() {
    SDL_Surface* surface = SDL_GetVideoSurface();
    if (surface != nullptr && SDL_WM_ToggleFullScreen(surface) == 1) {
        return;
    }
    logWrite("Unable to toggle fullscreen: %s\n", SDL_GetError());
}

float MainLoop::frameSeconds() { return clock.frameSeconds(SDL_GetTicks()); }

void MainLoop::shutDown() {
    // The Game is not destroyed: the process end reclaims it.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_QuitSubSystem(SDL_INIT_TIMER);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();
    logClose();
    std::exit(0);
}

#include "app/SystemKeys.h"

#include <SDL.h>

SystemKeys::Actions SystemKeys::poll(const std::uint8_t* keyState) {
    Actions actions;
    if (keyState == nullptr) {
        return actions;
    }
    actions.pushQuit = keyState[SDLK_ESCAPE] != 0;
    const bool f1Down = keyState[SDLK_F1] != 0;
    actions.toggleFullscreen = f1Down && !f1WasDown;
    f1WasDown = f1Down;
    return actions;
}

bool SystemKeys::takeQuitEvent() {
    if (pushedQuits > 0) {
        --pushedQuits;
        return false;
    }
    return true;
}

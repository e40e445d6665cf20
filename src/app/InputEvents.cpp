#include "app/InputEvents.h"

namespace {

constexpr int warpLeft = 100;
constexpr int warpRight = 924;
constexpr int warpTop = 100;
constexpr int warpBottom = 668;

bool* letterFlag(InputSnapshot& input, char letter) { return &input.letters[letter - 'a']; }

void setButton(InputSnapshot& input, int button, bool down) {
    if (button == SDL_BUTTON_LEFT) {
        input.leftButton = down;
    } else if (button == SDL_BUTTON_RIGHT) {
        input.rightButton = down;
    }
}

}  // namespace

bool* keyFlag(InputSnapshot& input, int symbol) {
    switch (symbol) {
    case SDLK_UP: return letterFlag(input, 'w');
    case SDLK_RIGHT: return letterFlag(input, 'd');
    case SDLK_DOWN: return letterFlag(input, 's');
    case SDLK_LEFT: return letterFlag(input, 'a');
    case SDLK_RETURN: return &input.enter;
    case SDLK_SPACE: return &input.space;
    case SDLK_BACKSPACE: return &input.backspace;
    case SDLK_ESCAPE: return &input.escape;
    default: break;
    }
    if (symbol >= 'a' && symbol <= 'z') {
        return letterFlag(input, static_cast<char>(symbol));
    }
    return nullptr;
}

int warpCount(int x, int y) {
    int warps = 0;
    if (x < warpLeft || x > warpRight) {
        ++warps;
    }
    if (y < warpTop || y > warpBottom) {
        ++warps;
    }
    return warps;
}

EventOutcome applyEvent(const SDL_Event& event, InputSnapshot& input, WindowFocus& focus) {
    EventOutcome outcome;
    switch (event.type) {
    case SDL_ACTIVEEVENT: {
        const bool gain = event.active.gain != 0;
        const bool hadFocus = focus.active && focus.inputFocus;
        if (event.active.state & SDL_APPACTIVE) {
            focus.active = gain;
        }
        if (event.active.state & SDL_APPMOUSEFOCUS) {
            focus.mouseFocus = gain;
        }
        if (event.active.state & SDL_APPINPUTFOCUS) {
            focus.inputFocus = gain;
        }
        outcome.focusLost = hadFocus && !(focus.active && focus.inputFocus);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const bool down = event.type == SDL_KEYDOWN;
        outcome.keyWentDown = down;
        if (bool* flag = keyFlag(input, event.key.keysym.sym)) {
            *flag = down;
        }
        break;
    }
    case SDL_MOUSEMOTION:
        // The event's own position is kept even when it warps: the game sees
        // the outlying point once, the next motion reports the warp point.
        outcome.warps = warpCount(event.motion.x, event.motion.y);
        input.mouseX = event.motion.x;
        input.mouseY = event.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
        setButton(input, event.button.button, true);
        break;
    case SDL_MOUSEBUTTONUP:
        setButton(input, event.button.button, false);
        break;
    case SDL_QUIT:
        outcome.quitEvent = true;
        break;
    default:
        break;
    }
    return outcome;
}

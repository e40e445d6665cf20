#include "app/InputEvents.h"

namespace {

constexpr int warpLeft = 100;
constexpr int warpRight = 924;
constexpr int warpTop = 100;
constexpr int warpBottom = 668;

bool* letterFlag(InputSnapshot& input, char letter) { return &input.letters[letter - 'a']; }

bool* buttonFlag(InputSnapshot& input, int button) {
    if (button == SDL_BUTTON_LEFT) return &input.leftButton;
    if (button == SDL_BUTTON_RIGHT) return &input.rightButton;
    return nullptr;
}

// The held flag a key or button event writes, or null.
bool* eventFlag(InputSnapshot& input, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: return keyFlag(input, event.key.keysym.sym);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return buttonFlag(input, event.button.button);
    default: return nullptr;
    }
}

bool isPress(const SDL_Event& event) { return event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN; }

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
    case SDL_KEYUP:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        outcome.keyWentDown = event.type == SDL_KEYDOWN;
        if (bool* flag = eventFlag(input, event)) {
            *flag = isPress(event);
        }
        break;
    case SDL_MOUSEMOTION:
        // The event's own position is kept even when it warps: the game sees
        // the outlying point once, the next motion reports the warp point.
        outcome.warps = warpCount(event.motion.x, event.motion.y);
        input.mouseX = event.motion.x;
        input.mouseY = event.motion.y;
        break;
    case SDL_QUIT:
        outcome.quitEvent = true;
        break;
    default:
        break;
    }
    return outcome;
}

void PressLatch::apply(const SDL_Event& event, InputSnapshot& input) {
    bool* held = eventFlag(input, event);
    if (held == nullptr) return;
    bool& fresh = *eventFlag(pressed, event);
    bool& later = *eventFlag(releaseLater, event);
    if (isPress(event)) {
        fresh = true;
        later = false;
    } else if (fresh) {
        *held = true;
        later = true;
    }
}

void PressLatch::frameSeen(InputSnapshot& input) {
    auto release = [](bool& held, bool later) {
        if (later) held = false;
    };
    release(input.leftButton, releaseLater.leftButton);
    release(input.rightButton, releaseLater.rightButton);
    for (int i = 0; i < 26; ++i) release(input.letters[i], releaseLater.letters[i]);
    release(input.enter, releaseLater.enter);
    release(input.space, releaseLater.space);
    release(input.backspace, releaseLater.backspace);
    release(input.escape, releaseLater.escape);
    pressed = InputSnapshot{};
    releaseLater = InputSnapshot{};
}

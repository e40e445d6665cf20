#include "sim/SimButton.h"

void SimButton::press(Wish why) {
    isDown = true;
    action = why;
    heldFor = 0.0f;
}

void SimButton::release() {
    if (action == click) ++clickCount;
    isDown = false;
    action = rest;
    restedFor = 0.0f;
}

bool SimButton::frame(Wish wish, float seconds) {
    if (isDown) {
        heldFor += seconds;
        switch (action) {
        case click:
            if (heldFor >= clickPress) release();
            break;
        case tap:
            release();
            break;
        default:
            if (wish != hold && heldFor >= shortestHold) release();
            break;
        }
        if (isDown) return true;
        // Released in this frame: the release is the frame's button state.
        return false;
    }
    restedFor += seconds;
    if (wish == tap) {
        press(tap);
    } else if ((wish == hold || wish == click) && restedFor >= restBeforePress) {
        press(wish);
    }
    return isDown;
}

#pragma once

#include "game/InputSnapshot.h"

#include <SDL.h>

// Turning SDL events into the held-state snapshot. Nothing here calls SDL:
// what the loop must do in return (warp the pointer, fetch the key state,
// take a quit request) comes back in an EventOutcome.

// Activation bits of the window, mirrored from SDL_ACTIVEEVENT.
struct WindowFocus {
    bool active = true;      // frames run only while true
    bool mouseFocus = true;  // mirrored; nothing reads them
    bool inputFocus = true;
};

struct EventOutcome {
    int warps = 0;            // times to call SDL_WarpMouse(512, 512)
    bool keyWentDown = false;  // refresh the key-state pointer
    bool quitEvent = false;    // an SDL_QUIT was taken from the queue
    // The window lost the input focus or was iconified, having had both: the
    // player went elsewhere (the game pauses a running dance).
    bool focusLost = false;
};

// Where the pointer is sent back to when it strays towards an edge.
constexpr int warpX = 512;
constexpr int warpY = 512;

// The flag a key symbol writes, or null for keys the game ignores. Arrows
// share the flags of w, d, s and a; letters count whatever the shift state.
bool* keyFlag(InputSnapshot& input, int symbol);

// How many warps a motion event to (x, y) causes: one for x outside
// 100..924, one more for y outside 100..668.
int warpCount(int x, int y);

// Applies one event to the snapshot and the focus bits.
EventOutcome applyEvent(const SDL_Event& event, InputSnapshot& input, WindowFocus& focus);

// A press and its release that both arrive between two frames would leave
// no trace in a held-state snapshot: a quick click or key tap during a slow
// frame would be lost. Such a release is held back until one frame has seen
// the press. Call apply after applyEvent, frameSeen after each frame.
class PressLatch {
public:
    void apply(const SDL_Event& event, InputSnapshot& input);
    void frameSeen(InputSnapshot& input);

private:
    InputSnapshot pressed;       // flags pressed since the last frame
    InputSnapshot releaseLater;  // flags released before a frame saw them
};

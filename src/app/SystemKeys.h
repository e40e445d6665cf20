#pragma once

#include <cstdint>

// The two keys the main loop itself watches in every frame, read from SDL's
// live key-state array, and the bookkeeping of the quit events it pushes.
//
// While Escape is held the loop pushes an SDL_QUIT in every frame; those are
// counted here so that, when they come back out of the queue, they can be
// told apart from a real close request of the window.
class SystemKeys {
public:
    struct Actions {
        bool pushQuit = false;
        bool toggleFullscreen = false;
    };

    // keyState is indexed by SDL key symbol; null before the first key press,
    // when nothing is polled. F1 toggles once per press, not in every frame
    // it is held.
    Actions poll(const std::uint8_t* keyState);

    // A quit event was pushed successfully.
    void notePushedQuit() { ++pushedQuits; }

    // An SDL_QUIT came out of the queue: true when it is a close request,
    // false when it is one the loop pushed itself.
    bool takeQuitEvent();

    int pendingPushedQuits() const { return pushedQuits; }

private:
    int pushedQuits = 0;
    bool f1WasDown = false;
};

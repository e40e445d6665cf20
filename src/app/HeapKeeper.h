#pragma once

// Keeps the C library's heap from holding on to memory the game no longer
// uses. The OpenGL driver allocates and frees megabytes every frame, and
// glibc keeps the freed pages resident; over a visit the heap grows by
// about 10 MB of pages it holds free. Without glibc, nothing is done.
class HeapKeeper {
public:
    // After every frame: every tenth frame, the pages the heap holds free
    // go back to the system.
    void frameDone();

private:
    int frames = 0;
};

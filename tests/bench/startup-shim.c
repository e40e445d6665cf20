/* Preloaded into the real game by the start-up measurement: it lets the
   game start exactly as a player starts it, and ends the process right
   after the first frame of the main loop has been drawn (the welcome
   screen of a first start). The game's main loop hides the pointer at the
   top of every pass, after all loading is done; the first buffer swap
   after that is the first drawn frame. The moment is written, as
   CLOCK_MONOTONIC seconds, to the file named by VELVETARIUM_STARTUP_FILE. */
#define _GNU_SOURCE
#include <GL/gl.h>
#include <dlfcn.h>
#include <string.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static int loopStarted = 0;

int SDL_ShowCursor(int toggle) {
    static int (*real)(int) = 0;
    if (!real) {
        void* symbol = dlsym(RTLD_NEXT, "SDL_ShowCursor");
        memcpy(&real, &symbol, sizeof real);
    }
    loopStarted = 1;
    return real ? real(toggle) : 0;
}

void SDL_GL_SwapBuffers(void) {
    static void (*real)(void) = 0;
    if (!real) {
        void* symbol = dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
        memcpy(&real, &symbol, sizeof real);
    }
    if (real) real();
    if (!loopStarted) return;
    glFinish();
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char* name = getenv("VELVETARIUM_STARTUP_FILE");
    FILE* out = name ? fopen(name, "w") : 0;
    if (out) {
        fprintf(out, "%ld.%09ld\n", (long)now.tv_sec, now.tv_nsec);
        fclose(out);
    }
    _exit(0);
}

#include "game/Display.h"

#include <SDL.h>

void presentFrame() { SDL_GL_SwapBuffers(); }

#pragma once

#include <SDL.h>

// Loads an 8-bit palettised BMP as the window icon: its top-left pixel is the
// transparent colour. Sets the icon and returns the surface, or logs why not
// and returns null. Call before the video mode is set. Surface and mask stay
// allocated until the process ends, or until a later load replaces them.
SDL_Surface* loadWindowIcon(const char* fileName);

#pragma once

#include <cairo.h>

#include <string>

// The window icon: an 8-bit palettised BMP whose top-left pixel holds the
// colour key (the transparent colour), width a multiple of 8.
bool writeWindowIcon(const std::string& path, int size);

// The whirligig emblem in unit space (the window icon and the desktop icons).
void paintWhirligig(cairo_t* cr);

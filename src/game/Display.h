#pragma once

// Shows what has been drawn so far: swaps the window's OpenGL buffers. For
// drawing that must appear before the main loop's own swap, such as the
// progress of the loading screen. The screens call it; the window's owner
// defines it (src/app/Display.cpp), as only the app talks to SDL.
void presentFrame();

#pragma once

// Shows what has been drawn so far: swaps the window's OpenGL buffers. For
// drawing that must appear before the main loop's own swap, such as the
// progress of the loading screen.
void presentFrame();

#pragma once

// The OpenGL state every screen of the game draws with, and the two plainest
// drawing steps: clearing the frame and an untextured rectangle.

// Blending on, depth test off, texturing on; viewport over the whole window
// and the stage projection: 5.6 by 4.2 units around the origin
// (-2.8..2.8, -2.1..2.1); model-view identity. Needs a current context.
void setupStageView(int width, int height);

// Clears the colour buffer to (red, green, blue) with alpha 0 and resets
// the model-view matrix.
void clearFrame(float red, float green, float blue);

// A filled rectangle in stage units, without texture, in the given colour.
// Leaves texturing enabled as it found it.
void drawFlatRectangle(float left, float bottom, float right, float top, float red, float green, float blue,
                       float alpha);

#pragma once

// The OpenGL state every screen of the game draws with.

// Blending on, depth test off, texturing on; viewport over the whole window
// and the stage projection: 5.6 by 4.2 units around the origin
// (-2.8..2.8, -2.1..2.1); model-view identity. Needs a current context.
void setupStageView(int width, int height);

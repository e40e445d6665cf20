#pragma once

#include "actors/Vector.h"

// The matrix steps of the World's drawing pass, so that the World decides
// the order without calling OpenGL itself. Each push has its pop.

// Clears the colour buffer to (red, green, blue) with alpha 0, selects the
// model-view matrix and pushes it.
void beginStageFrame(float red, float green, float blue);
// Pops what beginStageFrame pushed.
void endStageFrame();
// Pushes the model-view matrix and translates by the offset.
void pushOffset(float x, float y, float z);
// Pushes the model-view matrix, resets it and looks at the stage from the
// camera: translation by (-camera x, -camera y, 0).
void pushCameraView(Vector camera);
// Pops what pushOffset or pushCameraView pushed.
void popView();

#pragma once

#include <cstdint>

// The display list that draws every sprite: a textured square from (-1, -1)
// to (1, 1) inside its own push/pop, texture (0, 0) at the lower left, so
// texture row 0 lies at the bottom edge. Needs a current OpenGL context.
std::uint32_t compileUnitQuad();
void deleteUnitQuad(std::uint32_t& list);

// The part of the unit quad between texture coordinates (sLeft, tBottom) and
// (sRight, tTop), each 0..1, where the whole quad puts them; drawn at once.
void drawUnitQuadPart(float sLeft, float tBottom, float sRight, float tTop);

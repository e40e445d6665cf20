#pragma once

class World;

// The radar over the anchor of the ring labels (the World's viewOffset): in
// the game every actor in use, scaled so that the farthest lands on its rim
// and the line from the Prima Ballerina to her cat; in the menu's preview a
// fixed scale, the avatars included. Needs the World's graphics.
void drawStageRadar(World& world, bool preview);

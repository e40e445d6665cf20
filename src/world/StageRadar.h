#pragma once

class World;

// The radar over the anchor of the ring labels (the World's viewOffset): in
// the game every actor in use, scaled so that the farthest lands on its rim
// and the line from the Prima Ballerina to her cat; in the menu's preview a
// fixed scale, the avatars included. Needs the World's graphics.
void drawStageRadar(World& world, bool preview);
// The blips behind it: every actor in use of the talent, ballerina, muse and
// avatar pools (the avatars while in the dance or in the preview), highest
// slot first, each with its maximum energy and energy.
void fillStageRadar(World& world, bool preview);

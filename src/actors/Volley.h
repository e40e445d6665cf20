#pragma once

#include "actors/Vector.h"

// The throwing tables shared by the dancers and the Prima Ballerina. Blue
// talents give faster and larger volleys, red ones nicer blossoms. Counts
// outside 0..3 are taken as the nearest of them.

// Seconds between two throws: 0.75, 0.5, 0.25, 0.15 for blue 0 to 3.
float throwIntervalFor(int blue);
// Blossoms per volley: 1 + blue.
int volleySizeFor(int blue);
// Kind of the thrown blossoms: 141 + red.
int blossomKindFor(int red);

// The launch index after a throw: back to 1 once the volley is complete.
// An index beyond a volley that has shrunk also starts over at 1.
int nextLaunchIndex(int launchIndex, int volleySize);

// Where launch point launchIndex (1..volleySize) of a volley lies relative to
// the thrower of size S = width + height who aims along aimAngle: forward F is
// the heading of aimAngle, sideways L the heading of aimAngle - 90.
//   blue 0: 0.9 S F
//   blue 1: 0.75 S F +- 0.75 S L
//   blue 2: 0.9 S F, 0.75 S F +- 0.75 S L
//   blue 3: 0.25 S F +- 1.25 S L, 0.75 S F +- 0.5 S L
// An index outside the volley is taken as its nearest point.
Vector launchOffset(int blue, int launchIndex, float size, float aimAngle);

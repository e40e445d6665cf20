#pragma once

#include <cstdint>

#include "actors/Costume.h"

// Everything a dancer's drawing reads of her looks: the ten costume parts,
// her own colour (the eyes of 'o', the body of 'q') and the background tint
// the stage takes while she is the Prima Ballerina. Exchanged as a whole when
// the Prima Ballerina changes.
//
// The parts, in drawing order: 1 hair, 2 hair ornament, 3 bodice, 4 tutu,
// 5 tutu lining, 6 sash, 7 skin, 8 tights, 9 shoes, 10 gloves.
struct DancerLook {
    Costume costume;
    Colour colour;
    Colour background;
};

constexpr int dancerLookCount = 11;

// One of the eleven looks of a named ballerina ('o'); set is taken modulo 11.
DancerLook namedDancerLook(int set);
// The one look of the dancers that never throw ('p').
DancerLook guardianLook();
// The one look of the unnamed fast throwers ('q').
DancerLook racerLook();

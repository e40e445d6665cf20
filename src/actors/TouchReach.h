#pragma once

#include <cmath>

#include "actors/Vector.h"

// The cheap tests that let the contact pass skip a touch that can change
// nothing. A touch measures the distance between the two actors as the
// length of (dx, dy, 0.000001) in single precision; when |dx| or |dy| alone
// already exceeds a reach r, that length is at least r (the squares and the
// root only round upward of |dx| there), so every "distance < r" rule of the
// touch is false. The measured distance itself is scratch: nothing reads it
// after the touch that measured it.

// True when b lies outside the square of half side `reach` around a.
inline bool beyondReach(const Vector& a, const Vector& b, float reach) {
    return std::fabs(a.x - b.x) > reach || std::fabs(a.y - b.y) > reach;
}

// The distance below which two actors are in contact, computed exactly as
// the contact test computes it: their mean sizes added.
inline float contactReach(float width, float height, float otherWidth, float otherHeight) {
    return (width + height) / 2.0f + (otherWidth + otherHeight) / 2.0f;
}

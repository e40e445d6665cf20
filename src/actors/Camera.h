#pragma once

#include <cstdint>

#include "actors/Actor.h"

// The point the view is centred on. It trails a little ahead of the Prima
// Ballerina and closes in on its goal at most 0.1 units per update, so a jump
// of the Prima Ballerina becomes a smooth glide of the view.
class Camera : public Actor {
public:
    static constexpr std::uint8_t movingFlag = 'U';
    static constexpr float maxStep = 0.1f;      // units per update
    static constexpr float settledDistance = 0.025f;

    // kind (200) and a starting point; touching the camera costs nobody energy.
    void place(std::uint8_t kind, Vector position);

    // Moves toward the point `distance` ahead of the Prima Ballerina along her
    // facing and returns the new camera point (also stored as position).
    Vector follow(Vector primaPosition, float primaAngle, float distance);

    Vector trailPoint;        // the camera point of the previous update
    Vector goal;              // where the last follow wanted to be
    std::uint8_t moving = 0;  // 'U' while more than 0.025 from the goal
};

#pragma once

#include <cstdint>

#include "actors/Costume.h"
#include "actors/Vector.h"

class Actor;
class Avatar;
class Obstacle;
class Muse;
class PowerUp;
class Projectile;

// What the World's drawing pass decides about an actor before any drawing:
// whether it is in view, and the values its drawing takes. Plain functions
// of the actors, usable without a graphics context.
namespace StageSight {

// Distance from the camera on the stage plane.
float cameraDistance(const Actor& actor, Vector camera);
// In view: the distance to the camera minus the actor's width below the radius.
bool inView(const Actor& actor, Vector camera, float radius);
// A dancer of kind 'p' is drawn while her distance less the time scale stays
// below the radius (she shows up early when time runs fast); 'o' and 'q' when
// in view. Kind 0 never.
bool dancerShown(const Obstacle& dancer, Vector camera, float radius, float timeScale);
// A drawn ballerina 'o' within this of the camera (distance less width) sets ballerinaNear.
constexpr float nearDistance = 1.5f;

// The angle of the actor's heading vector, or its angle when it has none.
float headingAngle(const Actor& actor);

// The height of the badge over a dancer (2.35 x her height for 'o', 2 x for
// 'p' and 'q'), a muse (1.6 x) or a talent (2 x).
float dancerBadgeHeight(const Obstacle& dancer);
constexpr float museBadgeFactor = 1.6f;
constexpr float talentBadgeFactor = 2.0f;
// Where a badge stands beside the actor under the cat.
constexpr float badgeOffsetX = -0.2f;
constexpr float badgeOffsetY = 0.1f;

// The colour a trail of the actor is drawn in.
Colour trailColour(const Obstacle& dancer);
Colour trailColour(const Avatar& avatar);
Colour trailColour(const PowerUp& talent);
Colour trailColour(const Projectile& blossom);

// A blossom's look: the heart and inner petals (part 1) in its second colour.
Costume blossomCostume(const Projectile& blossom);

// Ghosts of the past fade with their age: entry 1 the most visible.
std::uint8_t ghostAlpha(int entry, int count);

// The freeze colours: red cos(f), green sin(f), blue 0, with
// f = (limit - elapsed - 1) / limit.
void freezeColour(float freezeLimit, float freezeElapsed, float& red, float& green, float& blue);

// The cat held inside the menu's window (the level preview).
Vector keepInsideWindow(Vector position, float width, float height);

}  // namespace StageSight

#include "world/StageSight.h"

#include <cmath>

#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"

namespace StageSight {

namespace {
constexpr std::uint8_t ghostBrightest = 35;  // percent alpha of the newest ghost
constexpr Colour catTrail{180, 125, 59, 100};
}  // namespace

float cameraDistance(const Actor& actor, Vector camera) {
    const float dx = actor.position.x - camera.x;
    const float dy = actor.position.y - camera.y;
    return std::sqrt(dx * dx + dy * dy);
}

bool inView(const Actor& actor, Vector camera, float radius) {
    return actor.kind != 0 && cameraDistance(actor, camera) - actor.width < radius;
}

bool dancerShown(const Obstacle& dancer, Vector camera, float radius, float timeScale) {
    if (dancer.kind == Kind::dancerP) return cameraDistance(dancer, camera) - timeScale < radius;
    if (dancer.kind == Kind::ballerina || dancer.kind == Kind::dancerQ) return inView(dancer, camera, radius);
    return false;
}

float headingAngle(const Actor& actor) {
    const Vector& h = actor.heading;
    if (h.x == 0.0f && h.y == 0.0f) return actor.angle;
    return std::atan2(h.y, h.x) * radiansToDegrees - 90.0f;
}

float dancerBadgeHeight(const Obstacle& dancer) {
    return dancer.height * (dancer.kind == Kind::ballerina ? 2.35f : 2.0f);
}

Colour trailColour(const Obstacle& dancer) {
    const CostumePart& tutu = dancer.look.costume.part(4);
    return Colour{tutu.r, tutu.g, tutu.b, 100};
}

Colour trailColour(const Avatar& avatar) {
    if (avatar.isCat()) return catTrail;
    const CostumePart& tutu = avatar.look.costume.part(4);
    return Colour{tutu.r, tutu.g, tutu.b, 100};
}

Colour trailColour(const PowerUp& talent) { return talent.colour; }

Colour trailColour(const Projectile& blossom) { return blossom.colour1; }

Costume blossomCostume(const Projectile& blossom) {
    Costume costume;
    costume.part(1) = CostumePart{blossom.colour2.r, blossom.colour2.g, blossom.colour2.b, blossom.colour2.alpha, 1};
    return costume;
}

std::uint8_t ghostAlpha(int entry, int count) {
    if (count <= 0 || entry >= count) return 0;
    const int alpha = ghostBrightest * (count - entry) / count;
    return static_cast<std::uint8_t>(alpha < 4 ? 4 : alpha);
}

void freezeColour(float freezeLimit, float freezeElapsed, float& red, float& green, float& blue) {
    const float f = freezeLimit != 0.0f ? (freezeLimit - freezeElapsed - 1.0f) / freezeLimit : 0.0f;
    red = std::cos(f);
    green = std::sin(f);
    blue = 0.0f;
}

Vector keepInsideWindow(Vector p, float width, float height) {
    if (p.y > 1.951f) p.y = 1.95f - height;
    if (p.y < -1.951f) p.y = -1.95f + height;
    if (p.x > 2.651f) p.x = 2.65f - width;
    if (p.x < -2.651f) p.x = -2.65f + width;
    return p;
}

}  // namespace StageSight

// The effect patterns: which particles each effect number starts.
//
// Sizes are sprite scales (a particle covers twice its width); the growing
// behaviours start at 0 and reach baseWidth * k * age. Counts, speeds and
// lifetimes are chosen so that a blossom's burst reads at a glance without
// hiding the dancers, and so that the trails of a dozen dancers in view stay
// well inside the 500 slots:
//   1-4   burst of a blossom of strength s: 4+2s petals (184) thrown out at
//         0.5-0.8 u/s, 3+s swirling petals (186) spiralling out to 0.3, and
//         2+2s white sparks (194) at 1.0-1.4 u/s; petals in the blossom's
//         colours, lives 0.35-0.6 s.
//   21    a dancer or muse made happy: the same three groups, larger and
//         longer: 14 pink hearts, 8 golden swirls, 10 white sparks.
//   5-8   launch: two soft clouds in the blossom's colours that stay at the
//         launch point for 2 s (under the actors), and 2+s sparks flying
//         along the throw within 25 degrees.
//   22    muses start singing: a faint violet glow riding with the Prima
//         Ballerina, and two rings of six notes around the muse.
//   23-26 talent taken: 10 sparkles in the talent's colour flying out fast.
//   51, 52, 71, 72  speed trail, green 0-3: 1, 1, 2, 2 green puffs drifting
//         back against the direction while circling; stronger and longer
//         with more green talents.
//   81-84 garden trail, blue 0-3: one flower left on the floor, larger, bluer
//         and longer lasting (0.6-1.5 s) with more blue talents.
//   85, 86 the view catching up ('U', white ring) and rewinding ('V',
//         violet ring); 87, 88 right and wrong letter ('W' green, 'X' red
//         flash); 89, 90 change of Prima Ballerina done ('Y' gold) or failed
//         ('Z' slate blue).
#include <cmath>
#include <cstdlib>

#include "actors/EffectPool.h"
#include "actors/Motion.h"

namespace {
struct Rgba {
    std::uint8_t r, g, b, a;
};

constexpr float twoPi = 6.2831853f;

float unit() { return static_cast<float>(std::rand() % 1000) / 1000.0f; }
float between(float lo, float hi) { return lo + (hi - lo) * unit(); }

// Petal colours of the blossoms of strength 1 to 4 (their own two colours).
constexpr Rgba blossomColour1[4] = {{118, 239, 130, 100}, {221, 156, 36, 100}, {243, 126, 249, 100}, {21, 213, 235, 100}};
constexpr Rgba blossomColour2[4] = {{97, 173, 145, 90}, {180, 125, 59, 90}, {150, 40, 110, 90}, {21, 142, 235, 90}};
// Talents 131 (freeze), 132 (blue), 133 (green), 134 (red).
constexpr Rgba talentColour[4] = {{200, 235, 255, 100}, {70, 120, 255, 100}, {70, 230, 100, 100}, {255, 70, 70, 100}};
constexpr Rgba speedColour[4] = {{175, 230, 175, 70}, {125, 220, 125, 80}, {75, 210, 95, 90}, {35, 200, 65, 100}};
constexpr Rgba gardenColour[4] = {{175, 195, 255, 85}, {130, 165, 255, 85}, {95, 135, 255, 90}, {60, 100, 255, 95}};

void start(Effect& e, std::uint8_t behaviour, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at,
           float size, float life, Rgba c, std::uint8_t fresh) {
    e = Effect{};
    e.behaviour = behaviour;
    e.fresh = fresh;
    e.position = Vector{at.x, at.y, 0.0f};
    e.ownerKind = ownerKind;
    e.ownerIndex = ownerIndex;
    e.baseWidth = e.baseHeight = size;
    e.colour[0] = e.startColour[0] = c.r;
    e.colour[1] = e.startColour[1] = c.g;
    e.colour[2] = e.startColour[2] = c.b;
    e.colour[3] = e.startColour[3] = c.a;
    e.lifetime = e.life = life;
    e.cullable = 1;
}

// Sends a particle out from `at` at angle a (radians) and the given speed.
void launchFrom(Effect& e, Vector at, float a, float speed) {
    e.origin = Vector{at.x, at.y, 0.0f};
    e.velocity = Vector{std::cos(a) * speed, std::sin(a) * speed, 0.0f};
    e.rotation = between(0.0f, 360.0f);
}
}  // namespace

int EffectPool::spawnAt(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position, float angle) {
    return spawn(effect, ownerKind, ownerIndex, position, headingVector(angle));
}

int EffectPool::spawn(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position,
                      Vector direction) {
    if (position.x == 0.0f && position.y == 0.0f) return 0;
    if (direction.x == 0.0f && direction.y == 0.0f) return 0;
    if (!std::isfinite(position.x) || !std::isfinite(position.y) || !std::isfinite(direction.x) ||
        !std::isfinite(direction.y))
        return 0;
    const Vector dir = Vector{direction.x, direction.y, 0.0f}.normalised();
    const float heading = std::atan2(dir.y, dir.x);
    const Vector at{position.x, position.y, 0.0f};
    int cursor = 0;
    int started = 0;
    if (effect >= 1 && effect <= 4) {
        spawnBurst(effect, false, ownerKind, ownerIndex, at, heading, cursor, started);
    } else if (effect >= 5 && effect <= 8) {
        spawnLaunch(effect - 4, ownerKind, ownerIndex, at, dir, heading, cursor, started);
    } else if (effect == 21) {
        spawnBurst(4, true, ownerKind, ownerIndex, at, heading, cursor, started);
    } else if (effect == 22) {
        spawnSong(ownerKind, ownerIndex, at, heading, cursor, started);
    } else if (effect >= 23 && effect <= 26) {
        spawnTalent(effect - 23, ownerKind, ownerIndex, at, heading, cursor, started);
    } else if (effect == 51 || effect == 52 || effect == 71 || effect == 72) {
        const int level = effect == 51 ? 0 : effect == 52 ? 1 : effect == 71 ? 2 : 3;
        spawnSpeedTrail(level, ownerKind, ownerIndex, at, dir, cursor, started);
    } else if (effect >= 81 && effect <= 84) {
        spawnGarden(effect - 81, ownerKind, ownerIndex, at, cursor, started);
    } else if (effect >= 85 && effect <= 90) {
        spawnWorldEffect(effect, ownerKind, ownerIndex, at, cursor, started);
    }
    return started;
}

void EffectPool::spawnBurst(int strength, bool happy, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at,
                            float heading, int& cursor, int& started) {
    const int s = strength < 1 ? 1 : (strength > 4 ? 4 : strength);
    const Rgba petal = happy ? Rgba{255, 105, 180, 100} : blossomColour1[s - 1];
    const Rgba swirl = happy ? Rgba{255, 210, 80, 100} : blossomColour2[s - 1];
    const Rgba spark{255, 250, 225, 100};

    const int petals = happy ? 14 : 4 + 2 * s;
    for (int k = 0; k < petals; ++k) {
        Effect* e = take(cursor);
        if (!e) return;
        start(*e, 184, ownerKind, ownerIndex, at, happy ? 0.04f : 0.03f, happy ? 0.8f : 0.5f, petal, 0);
        const float a = heading + twoPi * static_cast<float>(k) / static_cast<float>(petals) + between(-0.25f, 0.25f);
        launchFrom(*e, at, a, happy ? between(0.6f, 1.0f) : between(0.5f, 0.8f));
        ++started;
    }
    const int swirls = happy ? 8 : 3 + s;
    for (int k = 0; k < swirls; ++k) {
        Effect* e = take(cursor);
        if (!e) return;
        start(*e, 186, ownerKind, ownerIndex, at, happy ? 0.025f : 0.02f, happy ? 0.9f : 0.6f, swirl, 0);
        e->origin = at;
        e->phase = heading + twoPi * static_cast<float>(k) / static_cast<float>(swirls);
        e->phaseRate = (k % 2 == 0) ? 7.0f : -7.0f;
        e->spiralRadius = happy ? 0.45f : 0.3f;
        e->rotation = between(0.0f, 360.0f);
        ++started;
    }
    const int sparks = happy ? 10 : 2 + 2 * s;
    for (int k = 0; k < sparks; ++k) {
        Effect* e = take(cursor);
        if (!e) return;
        start(*e, 194, ownerKind, ownerIndex, at, happy ? 0.02f : 0.015f, happy ? 0.5f : 0.35f, spark, 0);
        launchFrom(*e, at, between(0.0f, twoPi), happy ? between(1.2f, 1.8f) : between(1.0f, 1.4f));
        ++started;
    }
}

void EffectPool::spawnLaunch(int strength, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, Vector dir,
                             float heading, int& cursor, int& started) {
    const int s = strength < 1 ? 1 : (strength > 4 ? 4 : strength);
    Effect* e = take(cursor);
    if (!e) return;
    start(*e, 189, ownerKind, ownerIndex, at, 0.035f + 0.005f * static_cast<float>(s), 2.0f,
          Rgba{blossomColour1[s - 1].r, blossomColour1[s - 1].g, blossomColour1[s - 1].b, 55}, 1);
    e->rotation = between(0.0f, 360.0f);
    ++started;

    e = take(cursor);
    if (!e) return;
    start(*e, 190, ownerKind, ownerIndex, at - dir * 0.05f, 0.025f + 0.005f * static_cast<float>(s), 2.0f,
          Rgba{blossomColour2[s - 1].r, blossomColour2[s - 1].g, blossomColour2[s - 1].b, 45}, 1);
    e->rotation = between(0.0f, 360.0f);
    ++started;

    for (int k = 0; k < 2 + s; ++k) {
        e = take(cursor);
        if (!e) return;
        start(*e, 191, ownerKind, ownerIndex, at, 0.015f, 0.35f, blossomColour1[s - 1], 0);
        launchFrom(*e, at, heading + between(-0.436f, 0.436f), between(0.8f, 1.2f));
        ++started;
    }
}

void EffectPool::spawnSong(std::uint8_t, std::uint8_t, Vector at, float heading, int& cursor, int& started) {
    // The glow belongs to the Prima Ballerina and rides with her; it lies
    // under everything as a faint wash of the stage.
    Effect* e = take(cursor);
    if (!e) return;
    start(*e, 187, 101, 1, at, 0.5f, 1.0f, Rgba{210, 140, 255, 18}, 1);
    e->cullable = 0;
    ++started;

    // The notes belong to no actor: they stay where the muse sang.
    for (int ring = 0; ring < 2; ++ring) {
        const float radius = ring == 0 ? 0.25f : 0.45f;
        const float offset = ring == 0 ? 0.0f : twoPi / 12.0f;
        for (int k = 0; k < 6; ++k) {
            e = take(cursor);
            if (!e) return;
            const float a = heading + offset + twoPi * static_cast<float>(k) / 6.0f;
            const Vector p = at + Vector{std::cos(a), std::sin(a), 0.0f} * radius;
            if (ring == 0)
                start(*e, 192, 0, 0, p, 0.1f, 1.2f, Rgba{255, 150, 220, 100}, 0);
            else
                start(*e, 193, 0, 0, p, 0.07f, 1.4f, Rgba{180, 150, 255, 90}, 0);
            e->rotation = std::fmod(a * radiansToDegrees + 270.0f, 360.0f);
            ++started;
        }
    }
}

void EffectPool::spawnTalent(int talent, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, float heading,
                             int& cursor, int& started) {
    const Rgba c = talentColour[talent < 0 ? 0 : (talent > 3 ? 3 : talent)];
    for (int k = 0; k < 10; ++k) {
        Effect* e = take(cursor);
        if (!e) return;
        start(*e, 188, ownerKind, ownerIndex, at, 0.02f, 0.35f, c, 0);
        launchFrom(*e, at, heading + twoPi * static_cast<float>(k) / 10.0f, between(0.9f, 1.4f));
        ++started;
    }
}

void EffectPool::spawnSpeedTrail(int level, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, Vector dir,
                                 int& cursor, int& started) {
    const int count = level < 2 ? 1 : 2;
    const float g = static_cast<float>(level);
    for (int k = 0; k < count; ++k) {
        Effect* e = take(cursor);
        if (!e) return;
        start(*e, 183, ownerKind, ownerIndex, at, 0.03f + 0.01f * g, 1.2f + 0.2f * g, speedColour[level], 0);
        e->origin = at;
        e->velocity = dir * -0.15f;
        e->phase = between(0.0f, twoPi);
        e->phaseRate = (k % 2 == 0) ? 5.0f : -5.0f;
        e->spiralRadius = 0.05f + 0.01f * g;
        e->rotation = between(0.0f, 360.0f);
        ++started;
    }
}

void EffectPool::spawnGarden(int level, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, int& cursor,
                             int& started) {
    Effect* e = take(cursor);
    if (!e) return;
    const float b = static_cast<float>(level);
    start(*e, 185, ownerKind, ownerIndex, at, 0.025f + 0.007f * b, 0.6f + 0.3f * b, gardenColour[level], 1);
    // A flower is planted at full size and only turns slowly while it fades.
    e->width = e->baseWidth;
    e->height = e->baseHeight;
    e->rotation = between(0.0f, 360.0f);
    ++started;
}

void EffectPool::spawnWorldEffect(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at,
                                  int& cursor, int& started) {
    Effect* e = take(cursor);
    if (!e) return;
    const auto letter = static_cast<std::uint8_t>(effect);  // 85..90 are 'U'..'Z'
    switch (effect) {
    case 85:
        start(*e, 182, ownerKind, ownerIndex, at, 0.06f, 0.5f, Rgba{255, 255, 255, 40}, 0);
        break;
    case 86:
        start(*e, 182, ownerKind, ownerIndex, at, 0.08f, 0.5f, Rgba{170, 120, 255, 60}, 0);
        break;
    case 87:
        start(*e, 195, ownerKind, ownerIndex, at, 0.3f, 0.6f, Rgba{0, 255, 0, 100}, 0);
        break;
    case 88:
        start(*e, 195, ownerKind, ownerIndex, at, 0.3f, 0.6f, Rgba{255, 0, 0, 100}, 0);
        break;
    case 89:
        start(*e, 196, ownerKind, ownerIndex, at, 0.3f, 0.6f, Rgba{255, 215, 0, 100}, 0);
        break;
    default:
        start(*e, 196, ownerKind, ownerIndex, at, 0.3f, 0.6f, Rgba{110, 110, 170, 100}, 0);
        break;
    }
    e->letter = letter;
    ++started;
}

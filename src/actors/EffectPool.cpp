#include "actors/EffectPool.h"

#include <cmath>

#include "actors/Motion.h"

namespace {
const Effect freeSlot{};

// The song's glow is centred on its owner; every other particle keeps its
// own place and motion relative to the owner while it is carried.
bool centredOnOwner(const Effect& e) { return e.behaviour == 187; }

// An owner that moved further than this between two attaches was replaced
// (a new actor in its slot) or set down elsewhere: its particles stay.
constexpr float longestCarry = 0.5f;

void grow(Effect& e, float k) {
    e.width = e.age() * e.baseWidth * k;
    e.height = e.age() * e.baseHeight * k;
}

void spin(Effect& e, float degreesPerSecond, float dt) {
    e.rotation = std::fmod(e.rotation + degreesPerSecond * dt, 360.0f);
}

// alpha runs from 100 down to 0 over the last f seconds.
void fade(Effect& e, float f) {
    if (e.life >= f) return;
    const float alpha = 100.0f / f * e.life;
    e.colour[3] = static_cast<std::uint8_t>(alpha < 0.0f ? 0 : (alpha > 100.0f ? 100 : static_cast<int>(alpha)));
}

void moveFromOrigin(Effect& e) {
    const Vector p = e.origin + e.velocity * e.age();
    e.position = Vector{p.x, p.y, 0.0f};
}

// The spiral of the trails and swirls: the particle circles its drifting
// centre at phaseRate, the circle widening to spiralRadius over its life.
void spiral(Effect& e, float dt) {
    e.phase = std::fmod(e.phase + dt * e.phaseRate, 6.2831853f);
    const float r = e.spiralRadius * e.progress();
    const Vector centre = e.origin + e.velocity * e.age();
    e.position = Vector{centre.x + std::cos(e.phase) * r, centre.y + std::sin(e.phase) * r, 0.0f};
}
}  // namespace

EffectPool::EffectPool() { reset(defaultFirstSet, defaultLastSet); }

void EffectPool::reset(std::uint8_t firstSet, std::uint8_t lastSet) {
    for (Effect& e : slots) e = Effect{};
    ownersKnown = false;
    setFirst = firstSet;
    setLast = lastSet;
}

const Effect& EffectPool::effect(int slot) const {
    return slot >= 0 && slot < capacity ? slots[slot] : freeSlot;
}

int EffectPool::busyCount() const {
    int n = 0;
    for (const Effect& e : slots) n += e.busy() ? 1 : 0;
    return n;
}

int EffectPool::frameOf(const Effect& e) {
    const int frame = 1 + static_cast<int>(e.progress() * static_cast<float>(framesPerSet));
    return frame < 1 ? 1 : (frame > framesPerSet ? framesPerSet : frame);
}

int EffectPool::nextFree(int from) const {
    for (int i = from < 0 ? 0 : from; i < capacity; ++i)
        if (!slots[i].busy()) return i;
    return -1;
}

Effect* EffectPool::take(int& cursor) {
    const int i = nextFree(cursor);
    if (i < 0) {
        cursor = capacity;
        return nullptr;
    }
    cursor = i + 1;
    ownersKnown = false;
    return &slots[i];
}

void EffectPool::indexOwners() {
    for (std::int16_t& head : ownerHead) head = -1;
    for (int i = capacity - 1; i >= 0; --i) {
        if (!slots[i].busy()) continue;
        std::int16_t& head = ownerHead[slots[i].ownerIndex];
        ownerNext[i] = head;
        head = static_cast<std::int16_t>(i);
    }
    ownersKnown = true;
}

void EffectPool::attach(std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position, Vector velocity,
                        float angle) {
    if (!std::isfinite(position.x) || !std::isfinite(position.y)) return;
    // Every actor asks once a frame: walk only the particles of its slot number.
    if (!ownersKnown) indexOwners();
    (void)velocity;  // each particle keeps its own
    const Vector at{position.x, position.y, 0.0f};
    for (int i = ownerHead[ownerIndex]; i >= 0; i = ownerNext[i]) {
        Effect& e = slots[i];
        if (e.ownerKind != ownerKind) continue;
        e.ownerAngle = angle;
        const Vector moved = at - e.ownerAt;
        if (centredOnOwner(e)) {
            e.position = at;
        } else if (e.anchored && moved.length() <= longestCarry) {
            e.position += moved;
            e.origin += moved;
        }
        e.ownerAt = at;
        e.anchored = 1;
        e.attached = 1;
    }
}

void EffectPool::update(float dt, float viewX, float viewY, float radius) {
    if (!(dt >= 0.0f)) dt = 0.0f;  // NaN or a negative step ages nothing
    ownersKnown = false;
    for (Effect& e : slots) {
        if (!e.busy()) continue;
        e.life -= dt;
        e.offX = std::fabs(e.position.x - viewX);
        e.offY = std::fabs(e.position.y - viewY);
        const bool spent = !(e.life > 0.0f);
        const bool outOfView = e.cullable && (e.offX > radius || e.offY > radius);
        if (spent || outOfView) {
            e = Effect{};
            continue;
        }
        // An owner that went a frame without an attach has left its slot:
        // whoever takes the slot next does not carry the particle off.
        if (!e.attached) e.anchored = 0;
        e.attached = 0;
        animate(e, dt);
    }
}

void EffectPool::animate(Effect& e, float dt) {
    switch (e.behaviour) {
    case 182:
        grow(e, 8.0f);
        spin(e, 100.0f, dt);
        fade(e, 0.25f);
        break;
    case 183:
        spiral(e, dt);
        if (e.age() < 1.0f) grow(e, 2.0f);
        fade(e, 1.0f);
        // Past a quarter of its life a trail puff settles under the dancers.
        if (e.age() >= e.lifetime * 0.25f) e.fresh = 1;
        break;
    case 184:
        moveFromOrigin(e);
        spin(e, 180.0f, dt);
        grow(e, 6.0f);
        fade(e, 0.25f);
        break;
    case 185:
        spin(e, 10.0f, dt);
        fade(e, 0.2f);
        break;
    case 186:
        grow(e, 9.0f);
        fade(e, 0.25f);
        spiral(e, dt);
        break;
    case 187:
        e.rotation = e.ownerAngle + 180.0f;
        grow(e, 4.0f);
        if (e.width > 1.0f) e.width = e.height = 5.0f;
        break;
    case 188:
        moveFromOrigin(e);
        spin(e, 450.0f, dt);
        grow(e, 20.0f);
        fade(e, 0.05f);
        break;
    case 189:
    case 190:
        if (e.life > 1.75f) grow(e, 9.0f);
        fade(e, 0.5f);
        break;
    case 191:
        moveFromOrigin(e);
        spin(e, 450.0f, dt);
        grow(e, 9.0f);
        fade(e, 0.125f);
        break;
    case 192:
    case 193:
        if (e.height < e.baseHeight) {
            e.width += 4.0f * dt;
            e.height += 4.0f * dt;
            if (e.height >= e.baseHeight) {
                e.width = e.baseWidth;
                e.height = e.baseHeight;
            }
        }
        fade(e, 0.2f);
        break;
    case 194:
        moveFromOrigin(e);
        spin(e, 450.0f, dt);
        grow(e, 6.0f);
        fade(e, 0.25f);
        break;
    case 195:
        spin(e, 450.0f, dt);
        grow(e, 20.0f);
        fade(e, 0.05f);
        break;
    case 196:
        spin(e, 400.0f, dt);
        grow(e, 20.0f);
        fade(e, 0.05f);
        break;
    default:
        break;
    }
}
